// Importa: a Matrix Market matrix becomes a data file beside it, which is
// then chosen and read as Select and Read would. The dialog's options say
// what the file holds: a system gets b = A·(1, ..., 1), an inverse or a
// condition number only n; the symmetric type writes the upper triangle.
// A matrix file without a header is taken as symmetric under the symmetric
// type; under the general type the user is asked whether it lists only the
// lower triangle of a symmetric matrix, as such files often do.

#include <filesystem>
#include <memory>

#include "dialog/control_ids.h"
#include "dialog/dialog_controller.h"
#include "dialog/import_fault_texts.h"
#include "dialog/question_texts.h"
#include "dialog/open_failure.h"
#include "import/data_file_import.h"
#include "import/whole_file.h"

namespace corvane {

using namespace control;

namespace {

constexpr std::string_view kImportTitleRomanian = "Importa matrice Matrix Market";
constexpr std::string_view kImportTitleEnglish = "Import a Matrix Market matrix";
constexpr std::size_t kHeaderBytes = 64;  // enough to tell whether the file starts with its header

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

struct Words {
    const char* romanian;
    const char* english;
};

constexpr Words kErrorTitle{"Eroare", "Error"};
constexpr Words kCannotRead{"Nu se poate citi fisierul matricei.", "Cannot read the matrix file."};
constexpr Words kCannotWrite{"Nu se poate scrie fisierul de date.", "Cannot write the data file."};
constexpr Words kWouldReplaceMatrix{"Fisierul de date ar inlocui chiar fisierul matricei: dati-i acestuia extensia .mtx.",
                                    "The data file would replace the matrix file itself: give the matrix file the "
                                    ".mtx extension."};

std::string inLanguage(const Words& words, int language) { return language == kEnglish ? words.english : words.romanian; }

// What went wrong, the file, and the system's reason, as the dialog tells
// a results file that cannot be opened.
std::string fileFaultText(const Words& what, const std::string& path, std::error_code error, int language) {
    const std::string reason =
        error == std::errc::no_such_file_or_directory ? missingFileReason(language) : systemFailureReason(error.value(), language);
    return inLanguage(what, language) + "\n" + path + "\n" + reason;
}

// The storage of a matrix file without a header.
MarketStorage headerlessStorage(const ProblemState& state, DialogPlatform& platform, std::string_view title,
                                const std::string& path) {
    const bool symmetric =
        state.SIMETRICA || platform.ask(yesNoQuestion(title, symmetricQuestion(path, state.LIMBA), state.LIMBA)) == kYes;
    return symmetric ? MarketStorage::Symmetric : MarketStorage::General;
}

// What the dialog's options ask of the data file; the storage of a file
// without a header is asked from its first bytes. None after telling the
// user that the matrix file cannot be read.
std::optional<ImportRequest> requestFor(const std::string& chosen, const ProblemState& state, DialogPlatform& platform,
                                        std::string_view title) {
    std::error_code readError;
    const std::optional<std::string> start = readFileStart(chosen, kHeaderBytes, readError);
    if (!start) {
        platform.messages().show(fileFaultText(kCannotRead, chosen, readError, state.LIMBA),
                                 inLanguage(kErrorTitle, state.LIMBA),
                                 MessageIcon::Error);
        return std::nullopt;
    }
    ImportRequest request;
    request.rhs = state.SISTEM ? RightHandSides::Ones : RightHandSides::None;
    request.layout = state.SIMETRICA ? DataLayout::Symmetric : DataLayout::General;
    if (!hasMarketHeader(*start)) request.headerless = headerlessStorage(state, platform, title, chosen);
    request.title = std::filesystem::path(chosen).filename().string() + " (Matrix Market)";
    return request;
}

// The work off the dialog's thread: the matrix file read and turned into
// the data file's text, which is written at `path`. Returns what went wrong,
// for the dialog to tell, or "" when the data file was written.
std::string writeDataFile(ImportRequest request, const std::string& chosen, const std::string& path, int language) {
    std::error_code error;
    std::optional<std::string> matrix = readWholeFile(chosen, error);
    if (!matrix) return fileFaultText(kCannotRead, chosen, error, language);
    request.matrixText = std::move(*matrix);
    std::string dataFile;
    try {
        dataFile = importedDataFile(request);
    } catch (const ImportError& fault) {
        return chosen + ": " + importFaultText(fault, language);
    }
    request.matrixText = {};
    if ((error = replaceWholeFile(path, dataFile))) return fileFaultText(kCannotWrite, path, error, language);
    return "";
}

}  // namespace

// The questions come first (the storage of a file without a header, the
// replacement of an existing data file); reading, converting and writing
// then run off the dialog's thread, and the Read that follows too.
void DialogController::importMatrix() {
    const std::string_view title = state_.LIMBA == kEnglish ? kImportTitleEnglish : kImportTitleRomanian;
    const std::optional<std::string> chosen =
        platform_.chooseFile({std::string(title), FileKind::MatrixMarket, "", currentDirectory(), false, state_.LIMBA});
    if (!chosen) return;
    const std::string path = std::filesystem::path(*chosen).replace_extension(".dat").string();
    if (sameFile(path, *chosen)) {
        platform_.messages().show(inLanguage(kWouldReplaceMatrix, state_.LIMBA) + "\n" + path,
                                  inLanguage(kErrorTitle, state_.LIMBA), MessageIcon::Error);
        return;
    }
    std::optional<ImportRequest> request = requestFor(*chosen, state_, platform_, title);
    if (!request) return;
    if (std::filesystem::exists(path) &&
        platform_.ask(yesNoQuestion(title, replaceQuestion(path, state_.LIMBA), state_.LIMBA)) != kYes) {
        return;
    }
    auto fault = std::make_shared<std::string>();
    runOffThread(
        [fault, request = std::move(*request), chosen = *chosen, path, language = state_.LIMBA](RunProgress&) {
            *fault = writeDataFile(request, chosen, path, language);
        },
        [this, fault, path, language = state_.LIMBA](bool failed) {
            if (failed) return;
            if (!fault->empty()) {
                platform_.messages().show(*fault, inLanguage(kErrorTitle, language), MessageIcon::Error);
                return;
            }
            forgetDataFile();
            if (useDataFile(path)) readDataFile();
        },
        false);
}

}  // namespace corvane
