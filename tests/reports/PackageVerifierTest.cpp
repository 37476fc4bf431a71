#include "reports/PackageVerifier.h"

#include "reports/UpdateError.h"
#include "support/TestReleaseKey.h"
#include "support/UpdateFakes.h"

#include <gtest/gtest.h>

namespace {

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

std::string failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const UpdateError& error) {
        return error.what();
    }
    return {};
}

} // namespace

// Whoever answers for the feed's address must also hold the release key; nothing of an unsigned
// manifest is read.
TEST(PackageVerifier, OnlyTheReleaseKeysSignatureOverTheManifestCounts) {
    const TestReleaseKey release;
    const TestReleaseKey stranger;
    FakePackageInspector inspector;
    const PackageVerifier verifier(inspector, releaseKeyFromHex(release.publicHex()));
    const QByteArray manifest = R"({"version": "1.2.1", "build": 8})";
    const QByteArray signature = release.sign(manifest);
    const std::string_view notSigned = "The update manifest is not signed.";
    const std::string_view mismatch = "The update manifest's signature does not match the release key.";

    EXPECT_EQ(verifier.manifestProblem(view(manifest), view(signature)), std::nullopt);
    EXPECT_EQ(verifier.manifestProblem(view(manifest), std::nullopt), notSigned);
    EXPECT_EQ(verifier.manifestProblem(view(manifest), view("<html>Not Found</html>")), notSigned);
    EXPECT_EQ(verifier.manifestProblem(view(manifest), view(signature.left(63))), notSigned);
    EXPECT_EQ(verifier.manifestProblem(view(manifest), view(stranger.sign(manifest))), mismatch);
    EXPECT_EQ(verifier.manifestProblem(view(manifest + " "), view(signature)), mismatch);
    // A build without a usable key trusts nothing.
    const PackageVerifier keyless(inspector, std::nullopt);
    EXPECT_EQ(keyless.manifestProblem(view(manifest), view(signature)), mismatch);
}

TEST(PackageVerifier, APackageIsKeptOnlyWhenItIsTheSignedOneAndHoldsTheProgram) {
    FakePackageInspector inspector;
    const PackageVerifier verifier(inspector, std::nullopt);
    const std::string digest(64, 'a');
    EXPECT_EQ(verifier.downloadProblem(digest, digest), std::nullopt);
    EXPECT_EQ(verifier.downloadProblem(std::string(63, 'a') + "b", digest),
              "The download does not match the signed update manifest");

    EXPECT_EQ(failureOf([&] { verifier.checkPackage("/tmp/Linkmeter-2.0.deb"); }), "");
    EXPECT_EQ(failureOf([&] { verifier.findAppInPackage("/tmp/Linkmeter-2.0.deb"); }), "");
    EXPECT_EQ(inspector.inspected(), std::vector<std::string>{"/tmp/Linkmeter-2.0.deb"});
    inspector.problem = "dpkg-deb: error: not a Debian format archive";
    EXPECT_EQ(failureOf([&] { verifier.checkPackage("/tmp/a.deb"); }),
              "Failed to open package: dpkg-deb: error: not a Debian format archive");
    inspector.containsTheProgram = false;
    EXPECT_EQ(failureOf([&] { verifier.findAppInPackage("/tmp/a.deb"); }), "Could not find app in package");
}
