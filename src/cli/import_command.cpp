#include "cli/import_command.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "app/error_boundary.h"
#include "cli/data_file_reading.h"
#include "cli/exit_status.h"
#include "import/data_file_import.h"
#include "import/whole_file.h"

namespace corvane {
namespace {

std::string defaultTitle(const std::string& matrixFile) {
    return std::filesystem::path(matrixFile).filename().string() + " (Matrix Market)";
}

}  // namespace

void defineImportOptions(CLI::App& import, ImportOptions& o) {
    import.add_option("MATRIX", o.matrixFile, "Matrix Market file (.mtx)")->required();
    import.add_option("-o,--output", o.output, "the data file to write")->required();
    import.add_option("--rhs", o.rhs,
                      "right-hand sides: \"ones\" (b = A*(1,...,1), summed in double, rounded once) or a Matrix Market "
                      "array file of n x k values; without it the file holds only n (an inverse or a condition number)");
    import.add_option("--layout", o.layout, "general (every row) or symmetric (the upper triangle, refused for a "
                                            "matrix that is not symmetric)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    import.add_option("--title", o.title, "the data file's title line (default: the matrix file's name)");
    import.add_option("--headerless", o.headerless,
                      "read a file without a %%MatrixMarket header (coordinate entries, the first line \"rows columns "
                      "entries\" or the order alone), with this storage")
        ->check(CLI::IsMember({"general", "symmetric", "skew-symmetric"}));
    import.footer(
        "Reads coordinate and array files with real, integer or pattern entries (pattern entries are 1) in general,\n"
        "symmetric or skew-symmetric storage (the missing triangle filled in; duplicate coordinates add up), and\n"
        "writes a data file that solve reads, each number the shortest that reads back as the same single-precision\n"
        "value. Nothing is written when the import fails. Exit status: 0 done; 1 usage error; 2 a file cannot be\n"
        "read or is not a matrix the program takes (the message gives the line); 4 the data file cannot be written;\n"
        "5 internal error; 6 not enough memory for the matrix. The data file never replaces the files it is made from.");
}

namespace {

// The file's text, or none after telling why it cannot be read.
std::optional<std::string> readOrTell(const std::string& path) {
    std::error_code error;
    std::optional<std::string> text = readWholeFile(path, error);
    if (!text) std::cerr << "corvane: cannot read " << path << ": " << error.message() << "\n";
    return text;
}

// Whether the data file would be written over one of the files it is made
// from; tells it.
bool replacesAnInput(const ImportOptions& o) {
    const std::string rhsFile = o.rhs == "ones" ? std::string() : o.rhs;
    for (const std::string* input : {&o.matrixFile, &rhsFile}) {
        if (!input->empty() && sameFile(o.output, *input)) {
            std::cerr << "corvane: the data file " << o.output << " would replace " << *input << ", which it is made from\n";
            return true;
        }
    }
    return false;
}

int importFile(const ImportOptions& o) {
    if (replacesAnInput(o)) return kUsage;
    const std::optional<std::string> matrix = readOrTell(o.matrixFile);
    if (!matrix) return kReadFailed;
    ImportRequest request;
    request.matrixText = *matrix;
    request.layout = o.layout == "symmetric" ? DataLayout::Symmetric : DataLayout::General;
    request.title = o.title.empty() ? defaultTitle(o.matrixFile) : o.title;
    if (!o.headerless.empty()) request.headerless = marketStorageNamed(o.headerless);
    std::optional<std::string> rhsText;
    if (o.rhs == "ones") {
        request.rhs = RightHandSides::Ones;
    } else if (!o.rhs.empty()) {
        rhsText = readOrTell(o.rhs);
        if (!rhsText) return kReadFailed;
        request.rhs = RightHandSides::FromFile;
        request.rhsText = *rhsText;
    }
    std::string dataFile;
    try {
        dataFile = importedDataFile(request);
    } catch (const ImportError& error) {
        std::cerr << "corvane: " << (error.source() == ImportSource::RightHandSides ? o.rhs : o.matrixFile) << ": "
                  << error.what() << "\n";
        return kReadFailed;
    }
    if (const std::error_code error = replaceWholeFile(o.output, dataFile)) {
        std::cerr << "corvane: cannot write " << o.output << ": " << error.message() << "\n";
        return kWriteFailed;
    }
    return kSuccess;
}

}  // namespace

int runImport(const ImportOptions& o) {
    StandardErrorMessages messages;
    int status = kSuccess;
    const ActionOutcome outcome = runGuarded([&] { status = importFile(o); }, messages);
    return outcome == ActionOutcome::Completed ? status : exitStatus(outcome);
}

}  // namespace corvane
