// A large file read a page at a time: the pages are whole lines, together
// they are the file, and none is much larger than the page size.

#include "dialog/file_pages.h"

#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace corvane::testing {
namespace {

constexpr std::size_t kPage = 16;

std::string numberedLines(int count, const char* end) {
    std::string text;
    for (int k = 1; k <= count; ++k) text += "line " + std::to_string(k) + std::string(static_cast<std::size_t>(k % 7), 'x') + end;
    return text;
}

TEST(FilePages, PagesAreWholeLinesThatMakeUpTheFile) {
    struct Case {
        const char* name;
        std::string text;
        bool linesWhole;  // false: a line longer than a page is cut
    };
    const Case cases[] = {
        {"CR LF lines", numberedLines(40, "\r\n"), true},
        {"LF lines", numberedLines(40, "\n"), true},
        {"last line without its end", numberedLines(9, "\n") + "last", true},
        {"a line longer than two pages", "short\n" + std::string(5 * kPage, 'y') + "\nafter\n", false},
        {"one byte", "x", true},
        {"no line end at all", std::string(3 * kPage + 5, 'z'), false},
        {"the last line across the last page bound", std::string(10, 'a') + "\n" + std::string(9, 'b') + "\n", true},
    };
    for (const Case& c : cases) {
        const std::string path = scratchDirectory("file-pages") + "/big.txt";
        writeFile(path, c.text);
        std::error_code error;
        std::optional<FilePages> pages = FilePages::open(path, error, kPage);
        ASSERT_TRUE(pages) << c.name;
        EXPECT_EQ(pages->fileBytes(), c.text.size()) << c.name;
        std::string joined;
        for (int k = 0; k < pages->count(); ++k) {
            const std::string page = pages->page(k);
            EXPECT_LE(page.size(), 2 * kPage) << c.name << ", page " << k;
            EXPECT_FALSE(page.empty()) << c.name << ", page " << k;
            if (c.linesWhole && !page.empty()) {
                EXPECT_TRUE(joined.empty() || joined.back() == '\n') << c.name << ", page " << k << " starts inside a line";
            }
            joined += page;
        }
        EXPECT_EQ(joined, c.text) << c.name;
        EXPECT_EQ(pages->page(pages->count()), "") << c.name;
    }
}

TEST(FilePages, AnEmptyFileHasOneEmptyPageAndAMissingOneNone) {
    const std::string directory = scratchDirectory("file-pages-edges");
    writeFile(directory + "/empty.txt", "");
    std::error_code error;
    std::optional<FilePages> empty = FilePages::open(directory + "/empty.txt", error, kPage);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->count(), 1);
    EXPECT_EQ(empty->page(0), "");
    EXPECT_FALSE(FilePages::open(directory + "/missing.txt", error, kPage));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(FilePages::open(directory, error, kPage)) << "a folder is no text file";
    EXPECT_EQ(error, std::errc::is_a_directory);
}

}  // namespace
}  // namespace corvane::testing
