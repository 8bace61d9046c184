#include "app/step_sentences.h"
#include "app/step_texts.h"
#include "app/steps_output.h"

namespace corvane {
namespace {

// A number with its marks in at most kCellWidth characters: [pivot],
// (multiplier kept below the diagonal), then * written, ' read, ^ searched.
constexpr std::size_t kCellWidth = 17;

std::string cellText(const StepCell& cell) {
    if (cell.marks & kEmptyMark) return {};
    std::string text = stepNumber(cell.value);
    if (cell.marks & kPivotMark) text = "[" + text + "]";
    else if (cell.marks & kStoredMark) text = "(" + text + ")";
    if (cell.marks & kChangedMark) text += "*";
    else if (cell.marks & kUsedMark) text += "'";
    else if (cell.marks & kSearchedMark) text += "^";
    return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string legend(int language) {
    const StepViewTexts& t = stepViewTexts(language);
    return std::string(t.legend) + ": [ ] " + std::string(t.pivot) + ", ^ " + std::string(t.searched) + ", * " +
           std::string(t.changed) + ", ' " + std::string(t.used) + ", ( ) " + std::string(t.stored) + ", <> " +
           std::string(t.exchanged) + ".\n";
}

void writeMatrix(std::string& out, const MethodSteps& run, const Step& step, int language) {
    const std::vector<std::string> names = stepColumnNames(run);
    std::string line = "     ";
    const std::vector<StepCell> first = stepRow(step, 1);
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (first[c].startsBlock) line += "  |";
        line += rightAligned(names[c], kCellWidth);
    }
    out += line + "\n";
    for (int i = 1; i <= run.n; ++i) {
        const bool exchanged = i == step.exchanged[0] || i == step.exchanged[1];
        line = rightAligned(std::to_string(i), 3) + (exchanged ? "<>" : "  ");
        for (const StepCell& cell : stepRow(step, i)) {
            if (cell.startsBlock) line += "  |";
            line += rightAligned(cellText(cell), kCellWidth);
        }
        const std::string note = rowNoteText(step, i, language);
        if (!note.empty()) line += "    " + note;
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
}

}  // namespace

std::string stepsAsText(const MethodSteps& run, int language) {
    const StepViewTexts& t = stepViewTexts(language);
    std::string out = fillIn(t.title, {stepsMethodName(run.method)}) + "\n" + legend(language);
    const int count = static_cast<int>(run.steps.size());
    for (int index = 0; index < count; ++index) {
        out += "\n" + fillIn(t.stepOf, {index + 1, count}) + "\n";
        out += stepSentence(run, static_cast<std::size_t>(index), language) + "\n";
        writeMatrix(out, run, run.steps[static_cast<std::size_t>(index)], language);
    }
    return out;
}

}  // namespace corvane
