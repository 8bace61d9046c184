#include "report/run_header.h"

#include "report/matrix_printing.h"

namespace corvane {

std::string NORMA_CHAR(int code) {
    switch (code) {
        case 1: return padded("1  (Norma coloanelor)", kNameLength);
        case 2: return padded("2  (Norma euclidiana)", kNameLength);
        case 3: return padded("Cond(A)*", kNameLength);
        default: return padded("Infinit  (Norma liniilor)", kNameLength);
    }
}

namespace {

void writeProblemKind(const ProblemState& s, RecordWriter& out) {
    if (s.SISTEM) {
        out.write("(/, a)", {"Problema: Sistem liniar"});
    } else if (s.INVERSARE) {
        out.write("(/, a)", {"Problema: Inversare matrice"});
    } else if (s.CONDITIE) {
        std::string name(trimmed(NORMA_CHAR(s.KNORMA)));
        std::string_view lead = s.INORMA == Norm::Spectral ? "Problema: Numar de Conditie;  " : "Problema: Numar de Conditie;  Norma-";
        out.write("(/,a,a,a/)", {lead, name, "."});
    }
}

void writeMatrixSource(const ProblemState& s, RecordWriter& out) {
    if (s.GENERALA) out.write("(a)", {"Matrice: generala"});
    else if (s.SIMETRICA) out.write("(a)", {"Matrice: simetrica"});

    if (s.FISIER_DATE) {
        out.write("(a)", {"- Citita din fisier"});
    } else if (s.GENERARE) {
        std::string_view name = s.IGENERATA >= 1 && s.IGENERATA <= kTestMatrixCount ? trimmed(s.generatorName(s.IGENERATA)) : "";
        std::string line = "- Generata (" + std::string(name) + ")";
        out.write("(a)", {line});
    }
}

void writeMethod(const ProblemState& s, RecordWriter& out) {
    if (s.TIPAR_DETERMINANT) out.write("(a)", {"- Cu calculare determinant"});
    out.write("(a)", {s.VERIF_MAXIM ? "Verificare: diferente maxime" : "Verificare: fiecare ecuatie"});
    // With no method chosen the name is 33 blanks, like an empty table entry.
    std::string name = s.IMETODA != Method::None ? s.methodName(s.IMETODA) : padded("", kNameLength);
    out.write("(/, a,a)", {"Metoda: ", name});
    if (isIterative(s.IMETODA)) {
        out.write("(a, 1pe10.3, a, i0)", {"Toleranta: eps = ", s.EPS, ";  Numar limita de iteratii: nlim =", s.NLIM});
    }
    if (s.IMETODA == Method::Sor) out.write("(a,1pE10.3)", {"Omega =", s.OMEGA});
}

}  // namespace

void PRINT_CODURI(const ProblemState& state, RecordWriter& out) {
    writeProblemKind(state, out);
    writeMatrixSource(state, out);
    if (state.INVERS_ELEMENTE) out.write("(a)", {"- Cu inversare elemente"});
    if (state.TIPAR_MATRICE) out.write("(a)", {"- Cu tiparire matrice"});
    if (!state.CONDITIE) writeMethod(state, out);
}

}  // namespace corvane
