#include "dialog/help_texts.h"

#include "app/version.h"
#include "problem/problem_state.h"

namespace corvane {
namespace {

enum class Underline { Window, Exact };

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) text += kLineBreak;
        text += trimmed(lines[k]);
    }
    return text;
}

std::string underline(const UnderlinedHeading& h, Underline style) {
    if (style == Underline::Window) return std::string(static_cast<std::size_t>(h.windowDashes), '-');
    std::size_t lead = h.heading.find_first_not_of(' ');
    if (lead == std::string::npos) lead = h.heading.size();
    return std::string(lead, ' ') + std::string(h.heading.size() - lead, '-');
}

void appendSection(std::vector<std::string>& lines, const UnderlinedHeading& h,
                   const std::vector<std::string>& body, Underline style) {
    lines.push_back(h.heading);
    lines.push_back(underline(h, style));
    lines.insert(lines.end(), body.begin(), body.end());
}

std::string layoutText(const DataFileHelpPieces& p, Underline style) {
    std::vector<std::string> lines = p.intro;
    appendSection(lines, p.readMatrix, p.readMatrixBody, style);
    appendSection(lines, p.generatedMatrix, p.generatedMatrixBody, style);
    return joinLines(lines);
}

std::string kindsText(const DataFileHelpPieces& p, Underline style) {
    std::vector<std::string> lines;
    appendSection(lines, p.kinds, p.kindsBody, style);
    return joinLines(lines);
}

const DataFileHelpPieces& piecesOf(const HelpTexts& texts, int language) {
    return texts[language == 2 ? 1 : 0];
}

DataFileHelpPieces romanianPieces() {
    DataFileHelpPieces p;
    p.intro = {"DATELE din FISIERUL de INTRARE  (scrise pe linii separate):", ""};
    p.readMatrix = {"A. Matrice citita din fiser:", 35};
    p.readMatrixBody = {
        "1)  Titlu = text <= 80 caractere",
        "2)  n, nb: n = ordin matrice A;  nb = numar de termeni liberi",
        "3)  - Matricea A, pe linii: pentru matrice generala;",
        "    - Triunghiul superior, pe linii: pentru matrice simetrica;",
        "4)  b(ib)(1:n) = Termenii liberi: \"n\" elemente, pe \"nb\" linii (ib =1,nb).",
        "",
        "* Data 3: Pentru metoda Cholesky (matrice simetrica): Triunghiul superior.",
        "",
    };
    p.generatedMatrix = {"B. Matrice generata:", 30};
    p.generatedMatrixBody = {
        "1)    Titlu  (text <= 80 caractere)",
        "2)    n, nb: n = ordin matrice A;  nb = numar de termeni liberi",
        "3-0)   nc     = numar de constante \"c\" pentru generare",
        "3-1)   Daca nc > 0: c(i), i =1,nc  = constantele \"c\" pentru generare",
        "4)    Termenii liberi, scrisi pe linii (de la 1 la nb).",
    };
    p.kinds = {" Datele pentru TIPUL de PROBLEMA:", 52};
    p.kindsBody = {
        " I.  \"SISTEM\": Datele (1)-(4);",
        " II. \"INVERSARE\" si \"NUMAR de CONDITIE\": Datele (1)-(3);",
        " Data (2): se poate introduce numai \"n\" (numai \"n\" se citeste din linie).",
    };
    p.title = "Structura Fisierului de Intrare";
    p.saveCaption = "Salveaza in Fisier";
    p.proposedFileName = "Structura fisierului de intrare.txt";
    return p;
}

DataFileHelpPieces englishPieces() {
    DataFileHelpPieces p;
    p.intro = {"INPUT FILE DATA (written on separate lines):", ""};
    p.readMatrix = {"A. Matrix Read from File:", 35};
    p.readMatrixBody = {
        "1)  Title = text <= 80 characters",
        "2)  n, nb: n = matrix Order;  nb = Number of RHS",
        "3)  - Matrix A, on rows: for general matrix;",
        "    - Upper triangle, on rows: for symmetric matrix;",
        "4)  b(ib)(1:n) = RHS: \"n\" elements, on \"nb\" lines (ib =1,nb).",
        "",
        "* Data 3: For Cholesky method (matrix is symmetric): Upper triangle.",
        "",
        "",
    };
    p.generatedMatrix = {"B. Generatd Matrix:", 29};
    p.generatedMatrixBody = {
        "1)    Title  (text <= 80 characters)",
        "2)    n, nb:  n =: matrix Order;  nb = Number of RHS",
        "3-0)   nc     = Numbe of constants \"c\" for generation",
        "3-1)   If nc > 0: c(i), i =1,nc  = Constants \"c\" for generation",
        "4)    Right-Hand Sides, written on lines (from 1 to nb).",
    };
    p.kinds = {" Data for PROBLEM KIND:", 37};
    p.kindsBody = {
        " I.  \"SYSTEM\": Data (1)-(4);",
        " II. \"INVERSION\" and \"NUMBER of CONDITION\": Data (1)-(3);",
        "     Data (2): one can input only \"n\" (Only \"n\" is read from this line).",
    };
    p.title = "Input File Structure";
    p.saveCaption = "Save to File";
    p.proposedFileName = "Input File Structure.txt";
    return p;
}

}  // namespace

HelpTexts INI_SAVETEXT() { return {romanianPieces(), englishPieces()}; }

DataFileHelpWindow dataFileHelpWindow(const HelpTexts& texts, int language) {
    const DataFileHelpPieces& p = piecesOf(texts, language);
    return {p.title, layoutText(p, Underline::Window), kindsText(p, Underline::Window), p.saveCaption};
}

std::string savedDataFileHelp(const HelpTexts& texts, int language) {
    const DataFileHelpPieces& p = piecesOf(texts, language);
    std::string content = layoutText(p, Underline::Exact);
    content += kLineBreak;
    content += kLineBreak;
    content += kLineBreak;
    content += kindsText(p, Underline::Exact);
    content += kLineBreak;
    content += kLineBreak;
    return content;
}

IterationHelpWindow iterationHelpWindow(int language) {
    if (language == 2) {
        return {"Gauss-Seidel and SOR Parameters",
                joinLines({" EPS:", "", " Tolerance for the iteration stopping test:",
                           "          || x(n+1) - x(n) || <= EPS",
                           " ( x = solution vector;  the norm is Infinity-Norm. )"}),
                joinLines({" NLIM:", "", " Limit Number of Iterations."}),
                joinLines({" OMEGA (only for SOR):", "", " The acceleration (relaxation) factor:", " 1 < OMEGA < 2."})};
    }
    return {"Parametri Gauss-Seidel si SOR",
            joinLines({" EPS:", "", " Toleranta pentru testul de oprire a iteratiei:",
                       "          || x(n+1) - x(n) || <= EPS",
                       " ( x = vectorul solutie;  norma este Norma-infinit. )"}),
            joinLines({" NLIM:", "", " Numarul limita de iteratii."}),
            joinLines({" OMEGA (numai pentru SOR):", "", " Factorul de accelerare (relaxare):", " 1 < OMEGA < 2."})};
}

AboutWindow aboutWindow(int language) {
    if (language == 2) return {"About Program", joinLines({" Corvane Solver", "", std::string(" Version ") + kVersion})};
    return {"Despre program", joinLines({" Rezolvitor Corvane", "", std::string(" Versiune ") + kVersion})};
}

}  // namespace corvane
