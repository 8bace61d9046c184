#include "dialog/text_file.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

namespace corvane {
namespace {

constexpr std::string_view kLineFeed = "\n";
constexpr std::string_view kCrLf = "\r\n";

// Past this many lines added or removed between the first and the last
// change, lines there are paired by their order instead of by their text,
// which keeps the work small for a text replaced wholesale.
constexpr std::size_t kMostChangesMatched = 1000;

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // CR LF, LF, or empty for a last line without one
};

// The lines of a text; with crLfEnds a carriage return before a line feed
// belongs to the line end. An empty piece after the last line end is no line.
std::vector<Line> linesOf(std::string_view text, bool crLfEnds) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        std::size_t endStart = crLfEnds && feed > start && text[feed - 1] == '\r' ? feed - 1 : feed;
        lines.push_back({text.substr(start, endStart - start), text.substr(endStart, feed + 1 - endStart)});
        start = feed + 1;
    }
    return lines;
}

std::string_view dominantLineEnd(const std::vector<Line>& lines) {
    std::ptrdiff_t crLf = std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.end == kCrLf; });
    std::ptrdiff_t lineFeed = std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.end == kLineFeed; });
    if (crLf != lineFeed) return crLf > lineFeed ? kCrLf : kLineFeed;
    auto lastEnded = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) { return !l.end.empty(); });
    return lastEnded == lines.rend() ? kLineFeed : lastEnded->end;
}

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// The pairs of equal lines along a shortest edit script from `a` to `b`
// (Myers' greedy search), in order; nothing when more than `limit` lines
// would have to be added or removed.
std::optional<Pairs> equalLines(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                                std::size_t limit) {
    const auto n = static_cast<std::ptrdiff_t>(a.size());
    const auto m = static_cast<std::ptrdiff_t>(b.size());
    const std::ptrdiff_t most = std::min<std::ptrdiff_t>(n + m, static_cast<std::ptrdiff_t>(limit));
    const std::ptrdiff_t offset = most + 1;
    std::vector<std::ptrdiff_t> furthest(static_cast<std::size_t>(2 * most + 3), 0);  // x reached on diagonal k = x - y
    auto at = [&](std::vector<std::ptrdiff_t>& v, std::ptrdiff_t k) -> std::ptrdiff_t& {
        return v[static_cast<std::size_t>(k + offset)];
    };
    auto fromAbove = [&](std::vector<std::ptrdiff_t>& v, std::ptrdiff_t k, std::ptrdiff_t d) {
        return k == -d || (k != d && at(v, k - 1) < at(v, k + 1));
    };
    std::vector<std::vector<std::ptrdiff_t>> trace;
    for (std::ptrdiff_t d = 0; d <= most; ++d) {
        trace.push_back(furthest);
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x = fromAbove(furthest, k, d) ? at(furthest, k + 1) : at(furthest, k - 1) + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) ++x, ++y;
            at(furthest, k) = x;
            if (x < n || y < m) continue;
            Pairs pairs;
            for (std::ptrdiff_t step = d; step >= 0; --step) {
                std::vector<std::ptrdiff_t>& before = trace[static_cast<std::size_t>(step)];
                std::ptrdiff_t diagonal = x - y;
                std::ptrdiff_t previous = fromAbove(before, diagonal, step) ? diagonal + 1 : diagonal - 1;
                std::ptrdiff_t previousX = at(before, previous);
                std::ptrdiff_t previousY = previousX - previous;
                for (; x > previousX && y > previousY; --x, --y) {
                    pairs.emplace_back(static_cast<std::size_t>(x - 1), static_cast<std::size_t>(y - 1));
                }
                x = previousX;
                y = previousY;
            }
            std::reverse(pairs.begin(), pairs.end());
            return pairs;
        }
    }
    return std::nullopt;
}

// For every edited line, the original line it stands for: an equal line, or
// a line edited in place (the k-th line of a changed stretch pairs with the
// k-th line it replaced); nothing for a line the user added.
std::vector<std::optional<std::size_t>> originalsOf(const std::vector<Line>& original,
                                                    const std::vector<Line>& edited) {
    std::vector<std::optional<std::size_t>> partner(edited.size());
    std::size_t head = 0;
    while (head < original.size() && head < edited.size() && original[head].text == edited[head].text) {
        partner[head] = head;
        ++head;
    }
    std::size_t tail = 0;
    while (tail < original.size() - head && tail < edited.size() - head &&
           original[original.size() - 1 - tail].text == edited[edited.size() - 1 - tail].text) {
        partner[edited.size() - 1 - tail] = original.size() - 1 - tail;
        ++tail;
    }
    std::vector<std::string_view> a;
    std::vector<std::string_view> b;
    for (std::size_t i = head; i < original.size() - tail; ++i) a.push_back(original[i].text);
    for (std::size_t j = head; j < edited.size() - tail; ++j) b.push_back(edited[j].text);

    Pairs equal = equalLines(a, b, kMostChangesMatched).value_or(Pairs{});
    equal.emplace_back(a.size(), b.size());  // the end closes the last changed stretch
    std::size_t nextA = 0;
    std::size_t nextB = 0;
    for (auto [i, j] : equal) {
        for (std::size_t k = 0; k < std::min(i - nextA, j - nextB); ++k) partner[head + nextB + k] = head + nextA + k;
        if (j < b.size()) partner[head + j] = head + i;
        nextA = i + 1;
        nextB = j + 1;
    }
    return partner;
}

}  // namespace

bool writeTextFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

std::string withLineFeeds(std::string_view fileText) {
    std::string text;
    text.reserve(fileText.size());
    for (const Line& line : linesOf(fileText, true)) {
        text.append(line.text);
        if (!line.end.empty()) text.append(kLineFeed);
    }
    return text;
}

std::string withOriginalLineEnds(std::string_view original, std::string_view edited) {
    const std::vector<Line> before = linesOf(original, true);
    const std::vector<Line> after = linesOf(edited, false);
    const std::string_view dominant = dominantLineEnd(before);
    const std::vector<std::optional<std::size_t>> partner = originalsOf(before, after);
    std::string text;
    text.reserve(edited.size() + edited.size() / 8);
    for (std::size_t j = 0; j < after.size(); ++j) {
        text.append(after[j].text);
        if (after[j].end.empty()) continue;  // the last line, without a line end
        std::string_view own = partner[j] ? before[*partner[j]].end : std::string_view();
        text.append(own.empty() ? dominant : own);
    }
    return text;
}

}  // namespace corvane
