// The control events of the main dialog: what each control changes in the
// problem state and in the enabling of the other controls.

#include <gtest/gtest.h>

#include "dialog/captions.h"
#include "dialog/dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

TEST_F(DialogTest, ProblemKindButtonsSetTheFlagsAndTheDependentControls) {
    click(kInversion);
    EXPECT_TRUE(state.INVERSARE);
    EXPECT_FALSE(state.SISTEM || state.CONDITIE);
    EXPECT_FALSE(enabled(kNormList));
    EXPECT_TRUE(enabled(kMethodList) && enabled(kCheckMaximum) && enabled(kCheckEquations));
    EXPECT_TRUE(enabled(kPrintDeterminant));

    choose(kMethodList, 2);
    click(kCondition);
    EXPECT_TRUE(state.CONDITIE);
    EXPECT_FALSE(state.SISTEM || state.INVERSARE);
    EXPECT_TRUE(enabled(kNormList));
    EXPECT_FALSE(enabled(kMethodList) || enabled(kCheckMaximum) || enabled(kCheckEquations));
    EXPECT_EQ(view.listSelection(kMethodList), 0);
    EXPECT_EQ(state.IMETODA, Method::None);
    EXPECT_TRUE(state.METODA_ALEASA);
    EXPECT_FALSE(enabled(kPrintDeterminant));
    EXPECT_EQ(view.text(kIterativeName), " ");

    click(kSystem);
    EXPECT_TRUE(state.SISTEM);
    EXPECT_FALSE(state.INVERSARE || state.CONDITIE);
    EXPECT_FALSE(enabled(kNormList));
    EXPECT_TRUE(enabled(kMethodList) && enabled(kCheckMaximum) && enabled(kCheckEquations));
    EXPECT_EQ(view.listSelection(kMethodList), 0);
    EXPECT_TRUE(enabled(kPrintDeterminant));
}

TEST_F(DialogTest, MatrixAndCheckButtonsKeepTheirPairsComplementary) {
    click(kSymmetric);
    EXPECT_TRUE(state.SIMETRICA && !state.GENERALA);
    click(kGeneral);
    EXPECT_TRUE(state.GENERALA && !state.SIMETRICA);

    click(kGenerated);
    EXPECT_TRUE(state.GENERARE && !state.FISIER_DATE);
    EXPECT_TRUE(enabled(kGeneratorList));
    choose(kGeneratorList, 5);
    EXPECT_EQ(state.IGENERATA, 5);
    click(kDataFile);
    EXPECT_TRUE(state.FISIER_DATE && !state.GENERARE);
    EXPECT_FALSE(enabled(kGeneratorList));

    click(kCheckEquations);
    EXPECT_TRUE(state.VERIF_ECUATII && !state.VERIF_MAXIM);
    click(kCheckMaximum);
    EXPECT_TRUE(state.VERIF_MAXIM && !state.VERIF_ECUATII);
}

TEST_F(DialogTest, CheckBoxesFollowTheirState) {
    struct Case {
        int id;
        bool ProblemState::*flag;
    };
    choose(kMethodList, 4);  // Iteratii is enabled only for an iterative method
    for (Case c : {Case{kInvertEntries, &ProblemState::INVERS_ELEMENTE}, Case{kPrintMatrix, &ProblemState::TIPAR_MATRICE},
                   Case{kPrintIterations, &ProblemState::TIPAR_ITERATII}}) {
        click(c.id);
        EXPECT_TRUE(state.*c.flag) << c.id;
        click(c.id);
        EXPECT_FALSE(state.*c.flag) << c.id;
    }
    choose(kMethodList, 1);
    click(kPrintDeterminant);
    EXPECT_TRUE(state.TIPAR_DETERMINANT);
}

TEST_F(DialogTest, MethodChoiceSetsTheIterativeControls) {
    struct Case {
        int method;
        std::string name;  // shown above Eps
        bool iterative, sor;
    };
    for (const Case& c : {Case{4, "Gauss-Seidel", true, false}, Case{5, "SOR", true, true}, Case{1, " ", false, false},
                          Case{2, " ", false, false}, Case{0, " ", false, false}}) {
        choose(kMethodList, c.method);
        EXPECT_EQ(state.IMETODA, methodAt(c.method));
        EXPECT_EQ(view.text(kIterativeName), c.name) << c.method;
        EXPECT_EQ(enabled(kEps), c.iterative) << c.method;
        EXPECT_EQ(enabled(kNlim), c.iterative) << c.method;
        EXPECT_EQ(enabled(kPrintIterations), c.iterative) << c.method;
        EXPECT_EQ(enabled(kPrintDeterminant), !c.iterative) << c.method;
        EXPECT_EQ(enabled(kOmega), c.sor) << c.method;
        EXPECT_EQ(state.ESTE_SOR, c.sor);
    }
    EXPECT_TRUE(state.METODA_ALEASA);
}

TEST_F(DialogTest, DeterminantFollowsTheLastRuleApplied) {
    choose(kMethodList, 4);
    EXPECT_FALSE(enabled(kPrintDeterminant));
    click(kInversion);  // the problem kind enables it, even for an iterative method
    EXPECT_TRUE(enabled(kPrintDeterminant));
    click(kCondition);
    EXPECT_FALSE(enabled(kPrintDeterminant));
    click(kEnglishButton);  // the language re-applies the method rule
    EXPECT_TRUE(enabled(kPrintDeterminant));
}

TEST_F(DialogTest, ParameterFieldsCopyTheirTextAtOnce) {
    choose(kMethodList, 5);
    type(kEps, "1e-5");
    type(kNlim, "100");
    type(kOmega, "1.2345678901234");
    EXPECT_EQ(state.EPS_TEXT, "1e-5");
    EXPECT_EQ(state.NLIM_TEXT, "100");
    EXPECT_EQ(state.OMEGA_TEXT, "1.23456789");  // its first 10 characters
    EXPECT_EQ(state.EPS, 0.0f);                 // converted only by SOLVE
}

TEST_F(DialogTest, NormListSetsTheNormCode) {
    click(kCondition);
    for (int entry = 1; entry <= 4; ++entry) {
        choose(kNormList, entry);
        EXPECT_EQ(state.INORMA, normAt(entry));
        EXPECT_EQ(state.KNORMA, entry - 1);
    }
    choose(kNormList, 0);
    EXPECT_EQ(state.INORMA, Norm::None);
    EXPECT_EQ(state.KNORMA, 1);
}

TEST_F(DialogTest, CholeskyWithAGeneralMatrixIsToldOnceAndSwitchesToSymmetric) {
    choose(kMethodList, 3);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    const ShownMessage& message = platform.recorded.shown[0];
    EXPECT_EQ(message.text, "Metoda Cholesky:\nTipul Matrice: trebuie sa fie 'Simetrica'");
    EXPECT_EQ(message.title, "Info");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_TRUE(on(kSymmetric));
    EXPECT_FALSE(on(kGeneral));
    EXPECT_TRUE(state.SIMETRICA && !state.GENERALA);
    EXPECT_EQ(state.IMETODA, Method::Cholesky);
    EXPECT_TRUE(state.METODA_ALEASA);

    choose(kMethodList, 3);  // Simetrica already on
    click(kGeneral);         // allowed afterwards, not reported
    EXPECT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_TRUE(state.GENERALA);
}

TEST_F(DialogTest, SolveNeedsAReadAndAMethod) {
    selectAndRead("system3.txt", kSystem3);
    EXPECT_TRUE(state.DATE_CITITE);
    EXPECT_FALSE(enabled(kSolve));
    choose(kMethodList, 1);
    EXPECT_TRUE(enabled(kSolve));
}

TEST_F(DialogTest, SolveStaysEnabledAcrossProblemKindSwitches) {
    selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    ASSERT_TRUE(enabled(kSolve));
    click(kCondition);
    EXPECT_TRUE(enabled(kSolve));
    EXPECT_EQ(state.IMETODA, Method::None);
    click(kSystem);
    EXPECT_TRUE(enabled(kSolve));
    EXPECT_EQ(view.listSelection(kMethodList), 0);
}

TEST_F(DialogTest, ConditionNumberNeedsANormBeforeSolve) {
    click(kCondition);
    selectAndRead("system3.txt", kSystem3);
    EXPECT_FALSE(enabled(kSolve));
    choose(kNormList, 2);
    EXPECT_TRUE(enabled(kSolve));
    click(kInversion);  // switching back keeps SOLVE enabled
    EXPECT_TRUE(enabled(kSolve));
}

TEST_F(DialogTest, EnglishCaptionsAndListEntries) {
    click(kEnglishButton);
    EXPECT_EQ(state.LIMBA, corvane::kEnglish);
    EXPECT_TRUE(state.LIMBA_EN && !state.LIMBA_RO);
    for (const Caption& caption : INI_TITLES()) {
        if (caption.id == kMainDialog || caption.id == kIterativeName) continue;
        EXPECT_EQ(view.text(caption.id), caption.english) << caption.id;
    }
    EXPECT_EQ(view.text(kIterativeName), " ");  // the method rule runs after the captions
    EXPECT_EQ(view.entries(kNormList),
              (std::vector<std::string>{"Infinity  (Row)", "1  (Column)", "2  (Euclidian)", "Cond(A)*"}));
    EXPECT_EQ(view.entries(kGeneratorList).back(), "Constant Band");
    EXPECT_EQ(trimmed(state.GENERATA[6]), "Banda constanta");  // the generator still gets its own name

    click(kRomanianButton);
    for (const Caption& caption : INI_TITLES()) {
        if (caption.id == kMainDialog || caption.id == kIterativeName) continue;
        EXPECT_EQ(view.text(caption.id), caption.romanian) << caption.id;
    }
    EXPECT_EQ(view.entries(kNormList),
              (std::vector<std::string>{"Infinit  (linii)", "1  (coloane)", "2  (euclidiana)", "Cond(A)*"}));
    EXPECT_EQ(view.entries(kGeneratorList).back(), "Banda constanta");
}

TEST_F(DialogTest, LanguageSwitchesKeepEveryChoice) {
    click(kInversion);
    click(kSymmetric);
    click(kGenerated);
    choose(kGeneratorList, 7);
    click(kInvertEntries);
    click(kCheckEquations);
    choose(kMethodList, 5);
    click(kPrintIterations);
    type(kEps, "1e-4");
    type(kOmega, "1.5");
    ProblemState before = state;

    for (int language : {kEnglishButton, kRomanianButton}) {
        click(language);
        for (int id : {kInversion, kSymmetric, kGenerated, kInvertEntries, kCheckEquations, kPrintIterations}) {
            EXPECT_TRUE(on(id)) << id;
        }
        for (int id : {kSystem, kGeneral, kDataFile, kCheckMaximum}) EXPECT_FALSE(on(id)) << id;
        EXPECT_EQ(view.listSelection(kGeneratorList), 7);
        EXPECT_EQ(view.listSelection(kMethodList), 5);
        EXPECT_EQ(view.text(kEps), "1e-4");
        EXPECT_EQ(view.text(kOmega), "1.5");
        EXPECT_EQ(view.text(kIterativeName), "SOR");
        EXPECT_TRUE(enabled(kGeneratorList) && enabled(kOmega) && enabled(kPrintIterations));
        EXPECT_EQ(state.IMETODA, before.IMETODA);
        EXPECT_EQ(state.IGENERATA, before.IGENERATA);
        EXPECT_EQ(state.EPS_TEXT, before.EPS_TEXT);
        EXPECT_EQ(state.INVERS_ELEMENTE, before.INVERS_ELEMENTE);
    }
}

}  // namespace
}  // namespace corvane::testing
