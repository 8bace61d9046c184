#include "app/step_sentences.h"
#include "app/step_texts.h"
#include "app/steps_output.h"

namespace corvane {
namespace {

constexpr std::string_view kPreamble = R"(\documentclass[a4paper,11pt]{article}
\usepackage[T1]{fontenc}
\usepackage{amsmath}
\usepackage{graphicx}
\usepackage{color}
\definecolor{stored}{gray}{0.45}
\setlength{\parindent}{0pt}
\setlength{\parskip}{0.5em}
\addtolength{\textwidth}{3cm}
\addtolength{\oddsidemargin}{-1.5cm}
% Every row of a matrix and of its row operations as high as a framed pivot,
% so that the two stay level.
\newcommand{\rs}{\rule[-0.5em]{0pt}{1.6em}}
\newcommand{\pivot}[1]{\boxed{#1}}
\newcommand{\written}[1]{\mathbf{#1}}
\newcommand{\searched}[1]{\underline{#1}}
\newcommand{\stored}[1]{\textcolor{stored}{#1}}
% A step's matrix shrunk to the line's width when it is wider.
\newsavebox{\stepbox}
\newcommand{\fitwidth}[1]{\sbox{\stepbox}{#1}%
  \ifdim\wd\stepbox>\linewidth\resizebox{\linewidth}{!}{\usebox{\stepbox}}\else\usebox{\stepbox}\fi}
\begin{document}
)";

// Text for LaTeX's text mode.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\textbackslash{}"; break;
            case '{': out += "\\{"; break;
            case '}': out += "\\}"; break;
            case '_': out += "\\_"; break;
            case '^': out += "\\^{}"; break;
            case '&': out += "\\&"; break;
            case '%': out += "\\%"; break;
            case '#': out += "\\#"; break;
            case '$': out += "\\$"; break;
            case '~': out += "\\textasciitilde{}"; break;
            case '|': out += "\\textbar{}"; break;
            case '<': out += "\\textless{}"; break;
            case '>': out += "\\textgreater{}"; break;
            default: out += c; break;
        }
    }
    return out;
}

// A number for math mode, in braces so that its sign is never taken for a
// subtraction; the exponent's letter upright.
std::string mathNumber(double value) {
    const std::string text = stepNumber(value);
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return "{" + text + "}";
    return "{" + text.substr(0, e) + "\\mathrm{E}{" + text.substr(e + 1) + "}}";
}

std::string cellMath(const StepCell& cell) {
    if (cell.marks & kEmptyMark) return {};
    std::string text = mathNumber(cell.value);
    if (cell.marks & kStoredMark) text = "\\stored{" + text + "}";
    if (cell.marks & kChangedMark) text = "\\written{" + text + "}";
    if (cell.marks & kSearchedMark) text = "\\searched{" + text + "}";
    if (cell.marks & kPivotMark) text = "\\pivot{" + text + "}";
    return text;
}

// What stands beside row i: an exchange, the row operation of an elimination
// step, a candidate of the LU pivot search, the division of the scaling.
std::string rowOperation(const Step& step, int i, int language) {
    const std::string r = std::string(stepViewTexts(language).rowName);
    auto name = [&](int row) { return r + "_{" + std::to_string(row) + "}"; };
    std::string text;
    if (i == step.exchanged[0]) text = name(step.exchanged[0]) + " \\leftrightarrow " + name(step.exchanged[1]);
    const RowNote& note = step.notes[static_cast<std::size_t>(i - 1)];
    auto add = [&](const std::string& more) { text += (text.empty() ? "" : ",\\quad ") + more; };
    switch (note.kind) {
        case RowNoteKind::Multiplier: {
            const bool negative = note.value < 0.0f;
            add(name(i) + " \\leftarrow " + name(i) + (negative ? " + " : " - ") + mathNumber(negative ? -note.value : note.value) +
                "\\," + name(step.k));
            break;
        }
        case RowNoteKind::LeftAlone: add(name(i) + "\\ \\text{" + escaped(stepViewTexts(language).leftAlone) + "}"); break;
        case RowNoteKind::Candidate: add("u = " + mathNumber(note.value)); break;
        case RowNoteKind::Divisor: add(name(i) + " \\leftarrow " + name(i) + " / " + mathNumber(note.value)); break;
        case RowNoteKind::None: break;
    }
    return text;
}

void writeStep(std::string& out, const MethodSteps& run, std::size_t index, int language) {
    const Step& step = run.steps[index];
    const int count = static_cast<int>(run.steps.size());
    out += "\\subsection*{" + escaped(fillIn(stepViewTexts(language).stepOf, {static_cast<int>(index) + 1, count})) + "}\n";
    out += escaped(stepSentence(run, index, language)) + "\n\n";
    std::string columns;
    for (const StepCell& cell : stepRow(step, 1)) columns += cell.startsBlock ? "|r" : "r";
    std::string matrix = "\\left[\\begin{array}{" + columns + "}\n";
    std::string operations = "\\begin{array}{l}\n";
    for (int i = 1; i <= run.n; ++i) {
        std::string row = "\\rs ";
        bool first = true;
        for (const StepCell& cell : stepRow(step, i)) {
            if (!first) row += " & ";
            row += cellMath(cell);
            first = false;
        }
        matrix += row + " \\\\\n";
        operations += "\\rs " + rowOperation(step, i, language) + " \\\\\n";
    }
    matrix += "\\end{array}\\right]";
    operations += "\\end{array}";
    out += "\\begin{center}\n\\fitwidth{$\\displaystyle " + matrix + "\\qquad " + operations + "$}\n\\end{center}\n\n";
}

std::string legend(int language) {
    const StepViewTexts& t = stepViewTexts(language);
    return escaped(t.legend) + ": $\\pivot{1}$ " + escaped(t.pivot) + ", $\\searched{1}$ " + escaped(t.searched) +
           ", $\\written{1}$ " + escaped(t.changed) + ", $\\stored{1}$ " + escaped(t.stored) + ".\n\n";
}

}  // namespace

std::string stepsAsLatex(const MethodSteps& run, int language) {
    std::string out(kPreamble);
    out += "\\section*{" + escaped(fillIn(stepViewTexts(language).title, {stepsMethodName(run.method)})) + "}\n";
    out += legend(language);
    for (std::size_t index = 0; index < run.steps.size(); ++index) writeStep(out, run, index, language);
    out += "\\end{document}\n";
    return out;
}

}  // namespace corvane
