#include "textio/content_digest.h"

#include <cstring>

namespace corvane {

std::uint64_t ContentDigest::mixed(std::uint64_t state, std::uint64_t word) {
    state ^= word;
    state = (state << 29) | (state >> 35);
    return state * 0x9E3779B97F4A7C15ULL;
}

void ContentDigest::add(std::string_view bytes) {
    length_ += bytes.size();
    while (partialCount_ > 0 && !bytes.empty()) {
        partial_[partialCount_++] = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        if (partialCount_ == 8) {
            std::uint64_t word;
            std::memcpy(&word, partial_, sizeof word);
            state_ = mixed(state_, word);
            partialCount_ = 0;
        }
    }
    while (bytes.size() >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data(), sizeof word);
        state_ = mixed(state_, word);
        bytes.remove_prefix(8);
    }
    for (char c : bytes) partial_[partialCount_++] = static_cast<unsigned char>(c);
}

std::uint64_t ContentDigest::value() const {
    std::uint64_t tail = 0;
    std::memcpy(&tail, partial_, static_cast<std::size_t>(partialCount_));
    std::uint64_t state = mixed(mixed(state_, tail), length_);
    state ^= state >> 31;
    return state * 0xBF58476D1CE4E5B9ULL;
}

}  // namespace corvane
