#include "reports/ManifestSignature.h"
#include "reports/Sha256.h"
#include "support/TestReleaseKey.h"

#include <gtest/gtest.h>

namespace {

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

TEST(ManifestSignature, OnlyTheReleaseKeysSignatureOverTheseBytesCounts) {
    const TestReleaseKey release;
    const TestReleaseKey other;
    const auto key = releaseKeyFromHex(release.publicHex());
    ASSERT_TRUE(key);
    const QByteArray manifest = R"({"version": "1.2.1", "build": 8})";
    const QByteArray signature = release.sign(manifest);

    EXPECT_TRUE(isSignedByReleaseKey(view(manifest), view(signature), *key));
    // Another key's signature, one changed byte of the manifest or of the signature, a cut one.
    EXPECT_FALSE(isSignedByReleaseKey(view(manifest), view(other.sign(manifest)), *key));
    QByteArray changed = manifest;
    changed[12] = '3';
    EXPECT_FALSE(isSignedByReleaseKey(view(changed), view(signature), *key));
    QByteArray damaged = signature;
    damaged[5] = char(damaged[5] ^ 0x01);
    EXPECT_FALSE(isSignedByReleaseKey(view(manifest), view(damaged), *key));
    EXPECT_FALSE(isSignedByReleaseKey(view(manifest), view(signature.left(63)), *key));
    EXPECT_FALSE(isSignedByReleaseKey(view(manifest), {}, *key));
}

TEST(ManifestSignature, KeysAreSixtyFourHexDigits) {
    const std::string hex = TestReleaseKey().publicHex();
    EXPECT_TRUE(releaseKeyFromHex(hex));
    std::string upper = hex;
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(releaseKeyFromHex(upper), releaseKeyFromHex(hex));
    EXPECT_FALSE(releaseKeyFromHex(""));
    EXPECT_FALSE(releaseKeyFromHex(hex.substr(2)));
    EXPECT_FALSE(releaseKeyFromHex(hex + "00"));
    EXPECT_FALSE(releaseKeyFromHex("zz" + hex.substr(2)));
}

TEST(Sha256, DigestOfBytesInPieces) {
    Sha256 whole;
    whole.add("abc");
    EXPECT_EQ(whole.hexDigest(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    Sha256 pieces;
    for (std::string_view piece : {"a", "", "b", "c"})
        pieces.add(piece);
    EXPECT_EQ(pieces.hexDigest(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256().hexDigest(), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}
