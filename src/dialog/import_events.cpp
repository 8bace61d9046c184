// Importa: a Matrix Market matrix becomes a data file beside it, which is
// then chosen and read as Select and Read would. The dialog's options say
// what the file holds: a system gets b = A·(1, ..., 1), an inverse or a
// condition number only n; the symmetric type writes the upper triangle.
// A matrix file without a header is taken as symmetric under the symmetric
// type; under the general type the user is asked whether it lists only the
// lower triangle of a symmetric matrix, as such files often do.

#include <filesystem>

#include "dialog/control_ids.h"
#include "dialog/dialog_controller.h"
#include "import/data_file_import.h"
#include "import/whole_file.h"

namespace corvane {

using namespace control;

namespace {

constexpr std::string_view kImportTitleRomanian = "Importa matrice Matrix Market";
constexpr std::string_view kImportTitleEnglish = "Import a Matrix Market matrix";

std::string replaceQuestion(const std::string& path, int language) {
    const std::string name = std::filesystem::path(path).filename().string();
    return language == kEnglish ? name + " already exists.\nReplace it?" : name + " exista deja.\nIl inlocuiti?";
}

std::string symmetricQuestion(const std::string& path, int language) {
    const std::string name = std::filesystem::path(path).filename().string();
    return language == kEnglish ? name + " has no Matrix Market header.\nDoes it list only the lower triangle of a "
                                         "symmetric matrix?"
                                : name + " nu are antet Matrix Market.\nContine doar triunghiul inferior al unei "
                                         "matrice simetrice?";
}

// The storage of a matrix file without a header.
MarketStorage headerlessStorage(const ProblemState& state, DialogPlatform& platform, std::string_view title,
                                const std::string& path) {
    const bool symmetric = state.SIMETRICA || platform.confirm(title, symmetricQuestion(path, state.LIMBA));
    return symmetric ? MarketStorage::Symmetric : MarketStorage::General;
}

}  // namespace

void DialogController::importMatrix() {
    const std::string_view title = state_.LIMBA == kEnglish ? kImportTitleEnglish : kImportTitleRomanian;
    const std::optional<std::string> chosen =
        platform_.chooseFile({std::string(title), FileKind::MatrixMarket, "", currentDirectory()});
    if (!chosen) return;
    const std::optional<std::string> matrix = readWholeFile(*chosen);
    if (!matrix) {
        platform_.messages().show("cannot read " + *chosen, message::kErrorTitle, MessageIcon::Error);
        return;
    }
    ImportRequest request;
    request.matrixText = *matrix;
    request.rhs = state_.SISTEM ? RightHandSides::Ones : RightHandSides::None;
    request.layout = state_.SIMETRICA ? DataLayout::Symmetric : DataLayout::General;
    if (!hasMarketHeader(*matrix)) request.headerless = headerlessStorage(state_, platform_, title, *chosen);
    request.title = std::filesystem::path(*chosen).filename().string() + " (Matrix Market)";
    std::string dataFile;
    try {
        dataFile = importedDataFile(request);
    } catch (const ImportError& error) {
        platform_.messages().show(*chosen + ": " + error.what(), message::kErrorTitle, MessageIcon::Error);
        return;
    }
    const std::string path = std::filesystem::path(*chosen).replace_extension(".dat").string();
    if (std::filesystem::exists(path) && !platform_.confirm(title, replaceQuestion(path, state_.LIMBA))) return;
    forgetDataFile();
    if (!replaceWholeFile(path, dataFile)) {
        platform_.messages().show("cannot write " + path, message::kErrorTitle, MessageIcon::Error);
        return;
    }
    if (useDataFile(path)) readDataFile();
}

}  // namespace corvane
