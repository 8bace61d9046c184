#pragma once
// The texts of the help windows and of the About box in both languages, and
// the data-file help as it is saved to a file.

#include <array>
#include <string>
#include <vector>

namespace corvane {

// Lines are separated by CR LF, as in every text file the program writes.
inline constexpr const char* kLineBreak = "\r\n";

struct DataFileHelpWindow {
    std::string title;
    std::string layoutText;  // the structure of the data file
    std::string kindsText;   // which data each problem kind needs
    std::string saveCaption;
};

struct IterationHelpWindow {
    std::string title;
    std::string epsText;
    std::string nlimText;
    std::string omegaText;
};

struct AboutWindow {
    std::string title;
    std::string text;
};

// A heading and the dashes under it. In the help window the underline has a
// fixed number of dashes; in the saved file it is exactly as long as the
// heading (after the heading's leading blanks).
struct UnderlinedHeading {
    std::string heading;
    int windowDashes;
};

// The pieces of the data-file help of one language.
struct DataFileHelpPieces {
    std::vector<std::string> intro;
    UnderlinedHeading readMatrix;
    std::vector<std::string> readMatrixBody;
    UnderlinedHeading generatedMatrix;
    std::vector<std::string> generatedMatrixBody;
    UnderlinedHeading kinds;
    std::vector<std::string> kindsBody;
    std::string title;
    std::string saveCaption;
    std::string proposedFileName;
};

// Index 0 Romanian, 1 English.
using HelpTexts = std::array<DataFileHelpPieces, 2>;

// Builds the pieces of the data-file help in both languages.
HelpTexts INI_SAVETEXT();

// The data-file help window of a language (1 Romanian, 2 English).
DataFileHelpWindow dataFileHelpWindow(const HelpTexts& texts, int language);

// The content of the saved data-file help: both texts with exact-length
// underlines, each followed by a line break, two empty lines between them and
// one empty line at the end.
std::string savedDataFileHelp(const HelpTexts& texts, int language);

IterationHelpWindow iterationHelpWindow(int language);
AboutWindow aboutWindow(int language);

}  // namespace corvane
