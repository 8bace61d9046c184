#include "dialog/captions.h"

#include "dialog/control_ids.h"

namespace corvane {
namespace {

using namespace control;

constexpr Caption kTitles[] = {
    {kMainDialog, "Corvane", "Corvane"},
    {kProblemFrame, "PROBLEMA", "PROBLEM"},
    {kSystem, "Sistem", "System"},
    {kInversion, "Inversare matrice", "Matrix Inversion"},
    {kCondition, "Numar Conditie", "Condition Number"},
    {kMatrixFrame, "MATRICE", "MATRIX"},
    {kTypeLabel, "Tip", "Type"},
    {kSourceLabel, "Intrare", "Input"},
    {kGeneratorLabel, "Generare", "Generate"},
    {kNormLabel, "Norma", "Norm"},
    {kGeneral, "Generala", "General"},
    {kDataFile, "Fisier date", "Data File"},
    {kSymmetric, "Simetrica", "Symmetric"},
    {kGenerated, "Generata", "Generated"},
    {kInvertEntries, "Inverseaza elementele matricii", "Invert Matrix Entries"},
    {kSolveFrame, "REZOLVARE", "SOLVE"},
    {kPrintLabel, "Tiparire Date", "Data Printing"},
    {kCheckLabel, "Verificare", "Check"},
    {kMethodLabel, "Metoda", "Method"},
    {kPrintMatrix, "Matrice sistem", "System Matrix"},
    {kCheckMaximum, "Diferente maxime", "Maximum Differencies"},
    {kPrintDeterminant, "Determinant", "Determinant"},
    {kCheckEquations, "Fiecare ecuatie", "Each Equation"},
    {kPrintIterations, "Iteratii", "Iterations"},
    {kIterativeName, "Gauss-Seidel", "Gauss-Seidel"},
    {kFileFrame, "FISIER Intrare / Iesire", "Input / Output FILE"},
    {kSelect, "Selecteaza", "Select"},
    {kOrderLabel, "Ordin \"n\"", "Order \"n\""},
    {kRhsLabel, "Nr. Termeni liberi \"nb\"", "No. of RHS \"nb\""},
    {kOpen, "Deschide", "Open"},
    {kRead, "Citeste", "Read"},
    {kSolve, "REZOLVA !", "SOLVE !"},
    {kImport, "Importa", "Import"},
    {kCompare, "Compara", "Compare"},
    {kSteps, "Pas cu pas", "Step by step"},
    {kAbout, "Despre", "About"},
    {kConvergenceChart, "Convergenta", "Convergence"},
    {kExit, "IESIRE", "EXIT"},
};

}  // namespace

CaptionTable INI_TITLES() { return kTitles; }

std::string_view captionOf(CaptionTable table, int id, int language) {
    for (const Caption& c : table) {
        if (c.id == id) return c.in(language);
    }
    return {};
}

}  // namespace corvane
