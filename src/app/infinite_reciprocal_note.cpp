#include "app/infinite_reciprocal_note.h"

#include <charconv>

namespace corvane {
namespace {

// 0 for either zero; else the shortest text that reads back as the entry.
std::string entryText(float entry) {
    if (entry == 0.0f) return "0";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, entry);
    return std::string(text, result.ptr);
}

std::string place(const InfiniteReciprocal& entry, const char* row, const char* column) {
    return std::string(row) + std::to_string(entry.row) + column + std::to_string(entry.column);
}

std::string englishSentence(const InfiniteReciprocal& entry) {
    return "the entry in " + place(entry, "row ", ", column ") + " is " + entryText(entry.entry) +
           ": its reciprocal is infinite, so the results computed from it are infinite or not numbers.";
}

}  // namespace

std::string infiniteReciprocalLine(const InfiniteReciprocal& entry) {
    return "Warning: --invert-entries: " + englishSentence(entry);
}

std::string infiniteReciprocalTitle(int language) { return language == 2 ? "Reciprocals" : "Inversele elementelor"; }

std::string infiniteReciprocalText(const InfiniteReciprocal& entry, int language) {
    if (language == 2) {
        std::string text = englishSentence(entry);
        text[0] = 'T';
        return text;
    }
    return "Elementul din " + place(entry, "linia ", ", coloana ") + " este " + entryText(entry.entry) +
           ": inversul sau este infinit, deci rezultatele calculate din el sunt infinite sau nu sunt numere.";
}

}  // namespace corvane
