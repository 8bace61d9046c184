#include "problem/problem_state.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Loca, PackedUpperTriangleColumnByColumn) {
    EXPECT_EQ(LOCA(1, 1), 1);
    EXPECT_EQ(LOCA(1, 2), 2);
    EXPECT_EQ(LOCA(2, 2), 3);
    EXPECT_EQ(LOCA(2, 3), 5);
    EXPECT_EQ(LOCA(3, 3), 6);
    EXPECT_EQ(LOCA(100, 100), 100 * 101 / 2);
}

TEST(InitializeData, DefaultsAndTables) {
    ProblemState s;
    s.n = 4;
    s.KNORMA = 2;
    INITIALIZEDATA(s);
    EXPECT_TRUE(s.SISTEM && s.GENERALA && s.FISIER_DATE && s.VERIF_MAXIM);
    EXPECT_FALSE(s.INVERSARE || s.CONDITIE || s.SIMETRICA || s.GENERARE || s.TIPAR_MATRICE);
    EXPECT_EQ(s.IMETODA, Method::None);
    EXPECT_EQ(s.EPS_TEXT, "0.");
    EXPECT_EQ(s.NLIM_TEXT, "0");
    EXPECT_EQ(s.methodName(Method::GaussSeidel), padded("Gauss-Seidel", 33));
    EXPECT_EQ(s.generatorName(7), padded("Banda constanta", 33));
    EXPECT_EQ(s.NORMA_CONTROL[2][1], padded("2  (Euclidian)", 33));
    EXPECT_EQ(s.GEN_HELPFILE[1], "Generate-Help.txt");
    // Sizes and the derived norm code are not touched.
    EXPECT_EQ(s.n, 4);
    EXPECT_EQ(s.KNORMA, 2);
}

}  // namespace
}  // namespace corvane
