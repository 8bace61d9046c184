#include "dialog/dialog_contents.h"

#include "dialog/captions.h"
#include "dialog/control_ids.h"
#include "problem/problem_state.h"

namespace corvane {
namespace {

using namespace control;

// The entries of a list, each without its trailing blanks.
template <typename Names>
std::vector<std::string> entriesOf(const Names& names) {
    std::vector<std::string> entries;
    for (const std::string& name : names) entries.emplace_back(trimmed(name));
    return entries;
}

}  // namespace

std::vector<ControlContent> mainDialogContents() {
    ProblemState defaults;
    INITIALIZEDATA(defaults);
    std::vector<ControlContent> contents;
    for (const Caption& caption : INI_TITLES()) {
        if (caption.id == kMainDialog) continue;
        contents.push_back({caption.id, {std::string(caption.romanian)}});
        contents.push_back({caption.id, {std::string(caption.english)}});
    }
    for (const std::string& method : defaults.METODA) contents.push_back({kIterativeName, {std::string(trimmed(method))}});
    contents.push_back({kMethodList, entriesOf(defaults.METODA)});
    for (int language : {kRomanian, kEnglish}) {
        std::vector<std::string> generators;
        for (const TestMatrix& matrix : testMatrices()) {
            generators.emplace_back(language == kEnglish ? matrix.englishName : matrix.name);
        }
        contents.push_back({kGeneratorList, generators});
        std::vector<std::string> norms;
        for (const auto& names : defaults.NORMA_CONTROL) norms.emplace_back(trimmed(names[language - 1]));
        contents.push_back({kNormList, norms});
    }
    return contents;
}

}  // namespace corvane
