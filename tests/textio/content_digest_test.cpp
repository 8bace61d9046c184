#include "textio/content_digest.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

std::uint64_t digestInPieces(const std::string& bytes, std::size_t pieceSize) {
    ContentDigest digest;
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize) digest.add(std::string_view(bytes).substr(at, pieceSize));
    return digest.value();
}

const std::string kBytes = "Sistem 3 x 3\r\n3 1\r\n4 -2 1\r\n3 6 -4\r\n2 1 8\r\n3 3 28\r\n";

TEST(ContentDigest, TheSameBytesInAnyPiecesGiveTheSameDigest) {
    const std::uint64_t whole = digestInPieces(kBytes, kBytes.size());
    for (std::size_t pieceSize : {1, 3, 7, 8, 9, 16}) EXPECT_EQ(digestInPieces(kBytes, pieceSize), whole) << pieceSize;
}

TEST(ContentDigest, AnyChangedByteOrLengthChangesTheDigest) {
    const std::uint64_t original = digestInPieces(kBytes, 5);
    for (std::size_t i = 0; i < kBytes.size(); ++i) {
        std::string changed = kBytes;
        changed[i] = static_cast<char>(changed[i] ^ 1);
        EXPECT_NE(digestInPieces(changed, 5), original) << "byte " << i;
    }
    EXPECT_NE(digestInPieces(kBytes + '\0', 5), original);
    EXPECT_NE(digestInPieces(kBytes.substr(0, kBytes.size() - 1), 5), original);
    EXPECT_NE(ContentDigest().value(), digestInPieces(std::string(1, '\0'), 1));
}

}  // namespace
}  // namespace corvane
