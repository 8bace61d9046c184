#include "textio/record_writer.h"

#include <cctype>
#include <charconv>
#include <functional>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "textio/number_format.h"

namespace corvane {
namespace {

constexpr std::size_t kListRecordLimit = 80;  // list-directed records hold at most 80 characters
constexpr int kListRealWidth = 15;
constexpr int kListIntegerWidth = 12;
constexpr int kMaxFormatNumber = 1000000;  // widths, counts and columns of a format list
constexpr int kMaxFormatDigits = 40;       // d of ew.d and gw.d (the number fields' limit)

enum class Kind { Text, Slash, Backslash, Colon, Integer, Skip, Tab, Scale, Exponent, General, Group };

struct Node {
    Node(Kind k, int r = 1, int w = 0) : kind(k), repeat(r), width(w) {}
    Kind kind;
    int repeat;
    int width;
    int digits = 0;
    std::vector<Node> children;  // Group only
};

bool consumesItem(Kind kind) {
    return kind == Kind::Text || kind == Kind::Integer || kind == Kind::Exponent || kind == Kind::General;
}

bool hasDataItem(const std::vector<Node>& nodes) {
    for (const Node& node : nodes) {
        if (consumesItem(node.kind) || (node.kind == Kind::Group && hasDataItem(node.children))) return true;
    }
    return false;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::vector<Node> parseList() {
        skipBlanks();
        expect('(');
        std::vector<Node> nodes = parseItems();
        expect(')');
        skipBlanks();
        if (pos_ != text_.size()) fail("text after the closing parenthesis");
        return nodes;
    }

private:
    std::vector<Node> parseItems() {
        std::vector<Node> nodes;
        for (;;) {
            skipSeparators();
            if (pos_ >= text_.size()) fail("missing closing parenthesis");
            if (peek() == ')') return nodes;
            parseItem(nodes);
        }
    }

    void parseItem(std::vector<Node>& nodes) {
        char c = peek();
        if (c == '/') { ++pos_; nodes.emplace_back(Kind::Slash); return; }
        if (c == '\\') { ++pos_; nodes.emplace_back(Kind::Backslash); return; }
        if (c == ':') { ++pos_; nodes.emplace_back(Kind::Colon); return; }
        int count = -1;
        if (std::isdigit(static_cast<unsigned char>(c))) count = number();
        skipBlanks();
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(peek())));
        if (c == '(') {
            ++pos_;
            Node group(Kind::Group, count < 0 ? 1 : count);
            group.children = parseItems();
            expect(')');
            nodes.push_back(std::move(group));
            return;
        }
        ++pos_;
        switch (c) {
            case 'p': nodes.emplace_back(Kind::Scale, 1, count < 0 ? 0 : count); return;
            case 'x': nodes.emplace_back(Kind::Skip, 1, count < 0 ? 1 : count); return;
            case 'a': nodes.emplace_back(Kind::Text, count < 0 ? 1 : count); return;
            case 't': nodes.emplace_back(Kind::Tab, 1, number()); return;
            case 'i': nodes.emplace_back(Kind::Integer, count < 0 ? 1 : count, number()); return;
            case 'e':
            case 'g': {
                Node node(c == 'e' ? Kind::Exponent : Kind::General, count < 0 ? 1 : count, number());
                expect('.');
                node.digits = number();
                if (node.digits > kMaxFormatDigits) fail("more digits than a number field can show");
                nodes.push_back(node);
                return;
            }
            default: fail("unknown item");
        }
    }

    int number() {
        skipBlanks();
        if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_]))) fail("number expected");
        int value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            if (value > kMaxFormatNumber / 10) fail("number too large");
            value = value * 10 + (text_[pos_++] - '0');
        }
        return value;
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void skipBlanks() { while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_; }
    void skipSeparators() { while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == ',')) ++pos_; }
    void expect(char c) {
        skipBlanks();
        if (peek() != c) fail(std::string("expected '") + c + "'");
        ++pos_;
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw std::logic_error("bad format list \"" + std::string(text_) + "\": " + what);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

struct ParsedFormat {
    std::vector<Node> nodes;
    std::size_t reversionStart = 0;  // the last top-level group, or 0
    bool hasData = false;
};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

const ParsedFormat& parsed(std::string_view format) {
    static thread_local std::unordered_map<std::string, std::unique_ptr<ParsedFormat>, TextHash, std::equal_to<>> cache;
    // Reports write runs of lines with the same list: the last one is checked first.
    static thread_local std::string lastText;
    static thread_local const ParsedFormat* last = nullptr;
    if (last != nullptr && format == lastText) return *last;
    auto found = cache.find(format);
    if (found != cache.end()) {
        lastText.assign(format);
        last = found->second.get();
        return *last;
    }
    auto entry = std::make_unique<ParsedFormat>();
    entry->nodes = Parser(format).parseList();
    for (std::size_t i = 0; i < entry->nodes.size(); ++i) {
        if (entry->nodes[i].kind == Kind::Group) entry->reversionStart = i;
    }
    entry->hasData = hasDataItem(entry->nodes);
    const ParsedFormat& result = *entry;
    cache.emplace(std::string(format), std::move(entry));
    return result;
}

std::string reversionError(std::string_view format) {
    return "format \"" + std::string(format) + "\": items remain but the repeated part takes none";
}

std::string typeError(std::string_view format) {
    return "format \"" + std::string(format) + "\": item of the wrong type";
}

}  // namespace

std::string formatList(std::string_view pattern, std::initializer_list<int> numbers) {
    std::string out;
    auto next = numbers.begin();
    std::size_t from = 0;
    for (std::size_t at = pattern.find("<>"); at != std::string_view::npos && next != numbers.end();
         at = pattern.find("<>", from)) {
        out.append(pattern, from, at - from);
        char digits[16];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, *next++).ptr);
        from = at + 2;
    }
    out.append(pattern, from);
    return out;
}

// One formatted write: walks the parsed list, consuming items.
class FormatRun {
public:
    FormatRun(RecordWriter& writer, std::string_view format, std::span<const Item> items)
        : writer_(writer), format_(format), items_(items) {}

    // Returns true when the record is to stay open (a trailing backslash).
    bool run() {
        const ParsedFormat& list = parsed(format_);
        if (!runNodes(list.nodes.data(), list.nodes.size())) return keepOpen_;
        while (next_ < items_.size() && list.hasData) {
            writer_.endRecord();
            const std::size_t before = next_;
            const Node* start = list.nodes.data() + list.reversionStart;
            if (!runNodes(start, list.nodes.size() - list.reversionStart)) break;
            // A part that takes no item would be repeated for ever.
            if (next_ == before) throw std::logic_error(reversionError(format_));
        }
        return keepOpen_;
    }

private:
    // Returns false when the items ran out at a data item or a colon.
    bool runNodes(const Node* nodes, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k) {
            const Node& node = nodes[k];
            keepOpen_ = false;
            switch (node.kind) {
                case Kind::Slash: writer_.endRecord(); break;
                case Kind::Backslash: keepOpen_ = true; break;
                case Kind::Colon:
                    if (next_ >= items_.size()) return false;
                    break;
                case Kind::Skip: writer_.column_ += static_cast<std::size_t>(node.width); break;
                case Kind::Tab: writer_.column_ = node.width > 0 ? static_cast<std::size_t>(node.width - 1) : 0; break;
                case Kind::Scale: scale_ = node.width; break;
                case Kind::Group:
                    for (int r = 0; r < node.repeat; ++r) {
                        if (!runNodes(node.children.data(), node.children.size())) return false;
                    }
                    break;
                default:
                    for (int r = 0; r < node.repeat; ++r) {
                        if (next_ >= items_.size()) return false;
                        writeItem(node, items_[next_++]);
                    }
            }
        }
        return true;
    }

    void writeItem(const Node& node, const Item& item) {
        if (node.kind == Kind::Text) {
            if (!std::holds_alternative<std::string_view>(item)) throw std::logic_error(typeError(format_));
            writer_.putAt(std::get<std::string_view>(item));
            return;
        }
        // Fields are built in place when they extend the record (the usual
        // case), else beside it and then put at the position.
        const bool atEnd = writer_.column_ == writer_.record_.size();
        std::string& field = atEnd ? writer_.record_ : field_;
        if (!atEnd) field_.clear();
        switch (node.kind) {
            case Kind::Integer:
                if (!std::holds_alternative<int>(item)) throw std::logic_error(typeError(format_));
                appendIntegerField(field, std::get<int>(item), node.width);
                break;
            case Kind::Exponent: appendExponentField(field, real(item), node.width, node.digits, scale_); break;
            default: appendGeneralField(field, real(item), node.width, node.digits, scale_); break;
        }
        if (atEnd) writer_.column_ = writer_.record_.size();
        else writer_.putAt(field_);
    }

    double real(const Item& item) const {
        if (const float* f = std::get_if<float>(&item)) return *f;
        if (const double* d = std::get_if<double>(&item)) return *d;
        throw std::logic_error(typeError(format_));
    }

    RecordWriter& writer_;
    std::string_view format_;
    std::span<const Item> items_;
    std::size_t next_ = 0;
    int scale_ = 0;
    bool keepOpen_ = false;
    std::string field_;
};

void RecordWriter::write(std::string_view format, std::span<const Item> items) {
    FormatRun run(*this, format, items);
    open_ = run.run();
    if (!open_) endRecord();
}

void RecordWriter::writeList(std::span<const Item> items) {
    closeOpenRecord();
    if (items.empty()) {
        endRecord();
        return;
    }
    record_ = " ";
    std::string field;
    for (const Item& item : items) {
        field.clear();
        if (const auto* text = std::get_if<std::string_view>(&item)) {
            field.assign(*text);
        } else if (const int* value = std::get_if<int>(&item)) {
            appendIntegerField(field, *value, kListIntegerWidth);
        } else if (const float* f = std::get_if<float>(&item)) {
            appendGeneralField(field, *f, kListRealWidth, 7, 1);
        } else {
            appendGeneralField(field, std::get<double>(item), kListRealWidth, 7, 1);
        }
        if (record_.size() > 1 && record_.size() + field.size() > kListRecordLimit) {
            sink_->writeRecord(record_);
            record_ = " ";
        }
        record_ += field;
    }
    endRecord();
}

void RecordWriter::writeListReals(const float* values, int count, long stride) {
    closeOpenRecord();
    if (count <= 0) {
        endRecord();
        return;
    }
    record_ = " ";
    for (int k = 0; k < count; ++k) {
        if (record_.size() + kListRealWidth > kListRecordLimit) {
            sink_->writeRecord(record_);
            record_ = " ";
        }
        appendGeneralField(record_, values[static_cast<long>(k) * stride], kListRealWidth, 7, 1);
    }
    endRecord();
}

void RecordWriter::flush() {
    closeOpenRecord();
    sink_->flush();
}

void RecordWriter::closeOpenRecord() {
    if (open_) endRecord();
}

void RecordWriter::endRecord() {
    column_ = 0;
    open_ = false;
    sink_->writeRecord(record_);
    record_.clear();
}

void RecordWriter::putAt(std::string_view text) {
    if (column_ == record_.size()) {
        record_.append(text);
        column_ += text.size();
        return;
    }
    if (column_ > record_.size()) record_.append(column_ - record_.size(), ' ');
    std::size_t overlap = std::min(text.size(), record_.size() - column_);
    record_.replace(column_, overlap, text.substr(0, overlap));
    record_.append(text.substr(overlap));
    column_ += text.size();
}

}  // namespace corvane
