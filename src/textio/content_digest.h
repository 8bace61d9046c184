#pragma once
// A 64-bit digest of a byte sequence given in pieces of any size, used to
// tell whether a file still holds the bytes it held earlier without keeping
// a copy of them. Every step is invertible for a given input word, so two
// sequences of equal length that differ in one place always give different
// digests; other changes are missed with a chance of about 2^-64.

#include <cstdint>
#include <string_view>

namespace corvane {

class ContentDigest {
public:
    void add(std::string_view bytes);
    std::uint64_t value() const;

private:
    static std::uint64_t mixed(std::uint64_t state, std::uint64_t word);

    std::uint64_t state_ = 0x243F6A8885A308D3ULL;
    std::uint64_t length_ = 0;
    unsigned char partial_[8] = {};  // bytes of an unfinished word
    int partialCount_ = 0;
};

}  // namespace corvane
