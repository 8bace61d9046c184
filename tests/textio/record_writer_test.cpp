#include "textio/record_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

struct Written {
    StringSink sink;
    RecordWriter out{sink};
};

TEST(FormattedWrite, SlashesAndTexts) {
    struct Case {
        const char* format;
        std::vector<Item> items;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"(/, a)", {"Matricea A"}, "\r\nMatricea A\r\n"},
        {"(a)", {}, "\r\n"},
        {"(//,a)", {" * Proba"}, "\r\n\r\n * Proba\r\n"},
        {"(/,a,a,a/)", {"x", "y", "."}, "\r\nxy.\r\n\r\n"},
        {"(a,/)", {"text"}, "text\r\n\r\n"},
        {"(/,a,/)", {"text"}, "\r\ntext\r\n\r\n"},
        {"(a, i3, /)", {" Numar iteratii: ", 12}, " Numar iteratii:  12\r\n\r\n"},
        {"(a, :, 1pg15.7)", {" Norm ="}, " Norm =\r\n"},
        {"(a, :, 1pg15.7)", {" Norm =", 2.0f}, " Norm =   2.000000    \r\n"},
        {"(/, a, 1pE8.2,a, /,a)", {"* Pivot <", 1.0e-6f, " !", "* Sistemul nu se poate rezolva."},
         "\r\n* Pivot <1.00E-06 !\r\n* Sistemul nu se poate rezolva.\r\n"},
        {"(i3, t6, 1pg15.7)", {12, 0.5f}, " 12    0.5000000    \r\n"},
        {"(a, 3x, a)", {"a", "b"}, "a   b\r\n"},
        {"(2(i2, 1x))", {1, 2}, " 1  2\r\n"},
        {"(3g15.7)", {1.0f, 2.0f}, "   1.000000       2.000000    \r\n"},
    };
    for (const Case& c : cases) {
        Written w;
        w.out.write(c.format, c.items);
        EXPECT_EQ(w.sink.text(), c.expected) << c.format;
    }
}

TEST(FormattedWrite, TabCountsAsOneColumn) {
    Written w;
    std::string head = " Iter\tx";
    w.out.write(formatList("(/, a, t<>, a)", 15 * 1 + 6), {std::string_view(head), "max|x - x_ant|"});
    EXPECT_EQ(w.sink.text(), "\r\n Iter\tx" + std::string(13, ' ') + "max|x - x_ant|\r\n");
}

TEST(FormattedWrite, BackslashKeepsTheRecordOpenForTheNextWrite) {
    Written w;
    w.out.write("(/, a, \\)", {" Diferenta maxima in modul:"});
    w.out.write("(1pg15.7, a, i2)", {-3.0e-7f, "; ecuatia", 2});
    EXPECT_EQ(w.sink.text(), "\r\n Diferenta maxima in modul: -3.0000001E-07; ecuatia 2\r\n");
}

TEST(FormattedWrite, RemainingItemsRestartAtTheLastGroup) {
    Written w;
    std::vector<Item> items = {"  0"};
    for (int k = 0; k < 10; ++k) items.push_back(0.0f);
    w.out.write("(a, t6, 1(8g15.7))", items);
    const std::string zero = "   0.000000    ";
    std::string first = "  0  ";
    for (int k = 0; k < 8; ++k) first += zero;
    EXPECT_EQ(w.sink.text(), first + "\r\n" + zero + zero + "\r\n");
}

TEST(FormattedWrite, ListWithoutGroupRestartsAtItsStart) {
    Written w;
    w.out.write("(1pg15.7, a)", {1.0f, "x", 2.0f, "y"});
    EXPECT_EQ(w.sink.text(), "   1.000000    x\r\n   2.000000    y\r\n");
}

TEST(FormattedWrite, RuntimeCountsAndWidths) {
    EXPECT_EQ(formatList("(/, a, i<>, a, <>(i<>, 1x))", 2, 3, 1), "(/, a, i2, a, 3(i1, 1x))");
    Written w;
    w.out.write(formatList("(<>g15.7)", 2), {1.0f, 1.0f});
    EXPECT_EQ(w.sink.text(), "   1.000000       1.000000    \r\n");
}

TEST(ListDirectedWrite, RealsWrapAtEightyColumns) {
    Written w;
    std::vector<Item> row;
    for (int k = 1; k <= 7; ++k) row.push_back(static_cast<float>(k));
    w.out.writeList(row);
    std::string line1 = " ", line2 = " ";
    for (int k = 1; k <= 5; ++k) line1 += "   " + std::to_string(k) + ".000000    ";
    for (int k = 6; k <= 7; ++k) line2 += "   " + std::to_string(k) + ".000000    ";
    EXPECT_EQ(w.sink.text(), line1 + "\r\n" + line2 + "\r\n");

    Written direct;
    const float values[] = {1, 2, 3, 4, 5, 6, 7};
    direct.out.writeListReals(values, 7);
    EXPECT_EQ(direct.sink.text(), w.sink.text());
}

TEST(ListDirectedWrite, TextsIntegersAndEmptyRecords) {
    Written w;
    w.out.writeList({" u(1,1) =", 0.0f, " <", 1.0e-8f});
    w.out.writeList({"Pivot < prag, linia:", 3});
    w.out.writeList();
    EXPECT_EQ(w.sink.text(),
              "  u(1,1) =   0.000000     <  9.9999999E-09\r\n"
              " Pivot < prag, linia:           3\r\n"
              "\r\n");
}

TEST(FormattedWrite, BadFormatListIsAProgrammingError) {
    Written w;
    EXPECT_THROW(w.out.write("(/, a", {"x"}), std::logic_error);
    EXPECT_THROW(w.out.write("(i3)", {"x"}), std::logic_error);
}

}  // namespace
}  // namespace corvane
