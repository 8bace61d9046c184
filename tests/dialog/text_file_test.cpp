// Line ends of a file saved from the editor: data lines ended by LF and a
// report's lines ended by CR LF keep their own ends; added lines take the
// file's dominant one.

#include "dialog/text_file.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

// Four data lines ended by LF, then a report of five CR LF lines: CR LF dominates.
constexpr const char* kDataAndReport =
    "title\n2 1\n4 1\n1 3\n"
    "\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\n";

TEST(TextFileTest, EditedTextKeepsEachLinesOwnLineEnd) {
    struct Case {
        const char* name;
        const char* original;
        const char* edited;  // as the editor holds it: LF only
        const char* saved;
    };
    const Case cases[] = {
        {"unchanged", kDataAndReport, "title\n2 1\n4 1\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n",
         kDataAndReport},
        {"data line edited", kDataAndReport, "title\n2 1\n4 2\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n",
         "title\n2 1\n4 2\n1 3\n\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\n"},
        {"line inserted in the data", kDataAndReport,
         "title\nnote\n2 1\n4 1\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n",
         "title\nnote\r\n2 1\n4 1\n1 3\n\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\n"},
        {"data line inserted, report line edited", kDataAndReport,
         "title\n2 1\n4 1\n1 3\n0 0\n\n Gauss\n Solution:\n x(1) = 1\n x(2) = 2\n",
         "title\n2 1\n4 1\n1 3\n0 0\r\n\r\n Gauss\r\n Solution:\r\n x(1) = 1\r\n x(2) = 2\r\n"},
        {"data line replaced by two", kDataAndReport,
         "title\n2 1\n9 9\n8 8\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n",
         "title\n2 1\n9 9\n8 8\r\n1 3\n\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\n"},
        {"data line removed", kDataAndReport, "title\n2 1\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n",
         "title\n2 1\n1 3\n\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\n"},
        {"lines appended", kDataAndReport,
         "title\n2 1\n4 1\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\nmore\nnotes",
         "title\n2 1\n4 1\n1 3\n\r\n Gauss\r\n Solutia:\r\n x(1) = 1\r\n x(2) = 2\r\nmore\r\nnotes"},
        {"last line without end, unchanged", "a\nb\r\nc", "a\nb\nc", "a\nb\r\nc"},
        {"last line without end gets lines after it", "a\nb\r\nc", "a\nb\nc\nd", "a\nb\r\nc\r\nd"},
        {"last line without end ended by the user", "a\nb\r\nc", "a\nb\nc\n", "a\nb\r\nc\r\n"},
        {"last line end removed by the user", "a\r\nb\n", "a\nb", "a\r\nb"},
        {"LF dominates", "1\n2\n3\r\n", "1\n2\nnew\n3\n", "1\n2\nnew\n3\r\n"},
        {"tie: the last ended line's end", "1\r\n2\n", "0\n1\n2\n", "0\n1\r\n2\n"},
        {"no line ends: LF", "x", "x\ny", "x\ny"},
        {"empty file", "", "note\n", "note\n"},
        {"everything removed", kDataAndReport, "", ""},
        {"carriage return inside a line stays", "a\rb\r\n", "a\rb\nc\n", "a\rb\r\nc\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withOriginalLineEnds(c.original, c.edited), c.saved) << c.name;
    }
}

TEST(TextFileTest, EditorTextHasLineFeedsOnly) {
    EXPECT_EQ(withLineFeeds(kDataAndReport), "title\n2 1\n4 1\n1 3\n\n Gauss\n Solutia:\n x(1) = 1\n x(2) = 2\n");
    EXPECT_EQ(withLineFeeds("a\rb\r\r\nc"), "a\rb\r\nc");  // only a CR right before LF belongs to the line end
}

TEST(TextFileTest, ManyChangedLinesStillKeepTheEndsOfTheLinesAround) {
    std::string original = "head\n";
    std::string edited = "head\n";
    for (int i = 0; i < 3000; ++i) {
        original += "old " + std::to_string(i) + "\r\n";
        edited += "new " + std::to_string(i) + "\n";
    }
    original += "tail\n";
    edited += "added\ntail\n";
    std::string saved = withOriginalLineEnds(original, edited);
    EXPECT_EQ(saved.rfind("head\nnew 0\r\n", 0), 0u);
    EXPECT_NE(saved.find("new 2999\r\nadded\r\ntail\n"), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
