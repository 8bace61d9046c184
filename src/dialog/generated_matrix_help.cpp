#include "dialog/generated_matrix_help.h"

#include <string_view>

#include "dialog/text_file.h"

namespace corvane {
namespace {

struct NumberedLine {
    int number;
    std::string_view text;
};

// The lines that are not empty; \t is a tab.
constexpr NumberedLine kText[] = {
    {1, "MATRICI GENERATE"},
    {2, "----------------"},
    {3, "* Toate matricile generate sunt de tip \"general\": n x n"},
    {5, "Data de intrare comuna:"},
    {6, "n = ordinul matricii A"},
    {8, "1. HILBERT"},
    {9, "Formula:"},
    {10, "    A(i,j) = 1. /(i +j -1)"},
    {12, "Matricea (A = Hn):"},
    {13, "\t1\t1/2\t\t...\t1/n"},
    {14, " \t1/2\t1/3\t\t...\t1/(n+1)"},
    {15, "\t....\t...\t...\t..."},
    {16, "\t1/n 1/(n+1) ... 1/(2n-1)"},
    {19, "2. LOTKIN (A = Ln)"},
    {20, "Aceeasi cu Hilbert, dar prima linie cu 1."},
    {22, "Matricea (A = Ln):"},
    {23, "\t1\t1\t\t...\t1"},
    {24, " \t1/2\t1/3\t\t...\t1/(n+1)"},
    {25, "\t....\t...\t...\t..."},
    {26, "\t1/n 1/(n+1) ... 1/(2n-1)"},
    {29, "3. COMPANION"},
    {30, "n = gradul polinomului p(x) = x^n +a_(n-1)*x^(n-1) +... +a_2*x2 +a_1*x +a_0"},
    {32, "Matricea (A = C):"},
    {33, "\t0\t0\t0\t...\t\t-a_0"},
    {34, "\t1\t0\t0\t...\t\t-a_1"},
    {35, "\t0\t1\t0\t...\t\t-a_2"},
    {36, "\t...\t...\t\t...\t\t..."},
    {37, "\t0\t0\t0\t...\t0\t-a_(n-2)"},
    {38, "\t0\t0\t0\t...\t1\t-a_(n-1)"},
    {41, "4. WILKINSON_5 (Wilkinson - ordin 5)"},
    {42, "n = 5"},
    {43, "Intrare: z (real)"},
    {45, "Formula:"},
    {46, "    A(i,j) = z*1.8144/(i +j +1)"},
    {48, "Exemplul z =1.:"},
    {49, "Matricea (A = W5):"},
    {51, "\t0.604800  0.453600  0.362880  0.302400  0.259200"},
    {53, "\t0.453600  0.362880  0.302400  0.259200  0.226800"},
    {55, "\t0.362880  0.302400  0.259200  0.226800  0.201600"},
    {57, "\t0.302400  0.259200  0.226800  0.201600  0.181440"},
    {59, "\t0.259200  0.226800  0.201600  0.181440  0.164945"},
    {61, "Nota: matricea W5 contine elemente din Hilbert7 scalata."},
    {64, "5. WILKINSON_20 (Wilkinson - ordin 20)"},
    {65, "n = 20"},
    {66, "Intrare: alfa"},
    {68, "Generare:"},
    {69, "alpha =1D-10"},
    {71, "a = 0."},
    {73, "do i =1,n"},
    {74, "a(i,i) =float(i)"},
    {75, "if(i <=n-1) a(i,i+1) =float(n)"},
    {76, "enddo"},
    {78, "a(n,1) = alpha"},
    {80, "Matricea (A = W20; elementele nescrise sunt 0):"},
    {81, "\t1\t20\t.\t.\t.\t.\t."},
    {82, "\t.\t2\t20\t.\t.\t.\t."},
    {83, "\t.\t.\t3\t20\t.\t.\t."},
    {84, "\t.\t.\t.\t.\t.\t.\t."},
    {85, "\t.\t.\t.\t.\t.\t.\t."},
    {86, "\t.\t.\t.\t.\t.\t19\t20"},
    {87, "\talfa\t.\t.\t.\t.\t.\t20"},
    {90, "6. CAUCHY"},
    {91, "Intrare: X(n), Y(n) = vectori care definesc A."},
    {93, "Formula:"},
    {94, "    A(i,j) = 1./(X(i) +Y(j))"},
    {96, "Exemplu:"},
    {97, "n = 5"},
    {98, "X = (1, 3, 5, 8, 7), Y = (2, 4, 6, 10, 9)"},
    {100, "Matricea (A):"},
    {101, "\t1/3\t 1/5  1/7  1/11 1/10"},
    {103, "\t1/5  1/7  1/9  1/13 1/12"},
    {105, "\t1/7  1/9  1/11 1/15 1/14"},
    {107, "\t1/10 1/12 1/14 1/18 1/17"},
    {109, "\t1/9  1/11 1/13 1/17 1/16"},
    {112, "7. BANDA constanta (simetrica)"},
    {113, "Intrare:"},
    {114, "nc =semi-latimea de banda (inclusiv elementul diagonal)"},
    {115, "c = semi-banda dreapta ( c(1) = elementul diagonal)"},
    {117, "Nota:"},
    {118, "Matricea este simetrica, dar poate fi declarata de tip \"general\" (n x n)."},
    {119, "In cazul cand se lucreaza cu metoda Cholesky: matricea trebuie declarata simetrica."},
    {121, "Exemplu:"},
    {122, "Intrare:"},
    {123, "nc = 3"},
    {124, "semi-banda = 4 1 1"},
    {126, "Matricea A"},
    {127, "\t4\t1\t1\t0\t0"},
    {128, "\t1\t4   \t1   \t1   \t0"},
    {129, "\t1\t1   \t4   \t1   \t1"},
    {130, "\t0\t1   \t1   \t4   \t1"},
    {131, "\t0\t0\t1   \t1   \t4"},
    {134, "------------------------------------------"},
    {135, "NOTA"},
    {136, "Pentru alte matrici cu structura regulata (care se poate genera):"},
    {137, "Se vor utiliza proiectele separate ale metodelor, din Orlek."},
    {138, "(Acestea permit scriere de cod in subrutina Gen_A sau Gen_Ab)."},
    {139, "=============================================================="},
};

std::array<std::string, kGeneratedHelpLines> buildLines() {
    std::array<std::string, kGeneratedHelpLines> lines;
    for (const NumberedLine& line : kText) lines[static_cast<std::size_t>(line.number - 1)] = line.text;
    return lines;
}

}  // namespace

const std::array<std::string, kGeneratedHelpLines>& generatedMatrixHelpLines() {
    static const std::array<std::string, kGeneratedHelpLines> lines = buildLines();
    return lines;
}

bool CREATE_GEN_HELPFILE(const std::string& path) {
    std::string content;
    for (const std::string& line : generatedMatrixHelpLines()) {
        content += line;
        content += "\r\n";
    }
    return writeTextFile(path, content);
}

}  // namespace corvane
