// The main dialog right after startup.

#include <gtest/gtest.h>

#include "dialog/captions.h"
#include "dialog/dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

TEST_F(DialogTest, StartsWithOnlyTheFileChoiceOpenToTheUser) {
    for (int id : {kSolve, kOpen, kRead, kGeneratorList, kNormList, kEps, kNlim, kOmega, kPrintIterations}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    for (int id : {kSelect, kMethodList, kPrintDeterminant, kCheckMaximum, kCheckEquations, kSystem, kAbout}) {
        EXPECT_TRUE(enabled(id)) << id;
    }
}

TEST_F(DialogTest, StartsWithTheDefaultChoicesOn) {
    for (int id : {kSystem, kDataFile, kGeneral, kCheckMaximum, kRomanianButton}) EXPECT_TRUE(on(id)) << id;
    for (int id : {kInversion, kCondition, kGenerated, kSymmetric, kInvertEntries, kPrintMatrix, kPrintDeterminant,
                   kPrintIterations, kCheckEquations, kEnglishButton}) {
        EXPECT_FALSE(on(id)) << id;
    }
    EXPECT_EQ(state.LIMBA, corvane::kRomanian);
    EXPECT_TRUE(state.LIMBA_RO);
    EXPECT_FALSE(state.ESTE_ITERATIV);
}

TEST_F(DialogTest, StartsWithRomanianCaptionsAndTheIterativeLabelShowingItsCaption) {
    for (const Caption& caption : INI_TITLES()) {
        if (caption.id == kMainDialog) continue;
        EXPECT_EQ(view.text(caption.id), caption.romanian) << caption.id;
    }
    EXPECT_EQ(view.windowTitle, "Corvane");
    EXPECT_EQ(view.text(kPrintMatrix), "Matrice sistem");
    EXPECT_EQ(view.text(kCheckMaximum), "Diferente maxime");
    EXPECT_EQ(view.text(kIterativeName), "Gauss-Seidel");
    EXPECT_EQ(view.text(kPath), "");
    EXPECT_EQ(view.text(kOrder), "");
    EXPECT_EQ(view.text(kRhsCount), "");
}

TEST_F(DialogTest, StartsWithFilledListsAndNothingSelected) {
    EXPECT_EQ(view.entries(kGeneratorList), (std::vector<std::string>{"Hilbert", "Lotkin", "Companion", "Wilkinson 5",
                                                                       "Wilkinson 20", "Cauchy", "Banda constanta"}));
    EXPECT_EQ(view.entries(kNormList),
              (std::vector<std::string>{"Infinit  (linii)", "1  (coloane)", "2  (euclidiana)", "Cond(A)*"}));
    EXPECT_EQ(view.entries(kMethodList), (std::vector<std::string>{"Gauss", "LU", "Cholesky", "Gauss-Seidel", "SOR"}));
    for (int id : {kGeneratorList, kNormList, kMethodList}) EXPECT_EQ(view.listSelection(id), 0) << id;
}

TEST_F(DialogTest, StartsWithTheProblemStateDefaults) {
    EXPECT_TRUE(state.SISTEM);
    EXPECT_TRUE(state.FISIER_DATE);
    EXPECT_EQ(state.IMETODA, Method::None);
    EXPECT_FALSE(state.DATE_CITITE);
    EXPECT_FALSE(state.METODA_ALEASA);
    EXPECT_EQ(state.EPS_TEXT, "0.");
    EXPECT_EQ(view.text(kEps), "");  // the field and its text meet only when the user types
}

}  // namespace
}  // namespace corvane::testing
