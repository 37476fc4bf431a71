#include "reports/PackageVerifier.h"

#include "platform/PackageInspector.h"
#include "reports/UpdateError.h"

namespace {

constexpr std::string_view kUnsigned = "The update manifest is not signed.";
constexpr std::string_view kBadSignature = "The update manifest's signature does not match the release key.";
const QString kDigestMismatch = QStringLiteral("The download does not match the signed update manifest");

} // namespace

PackageVerifier::PackageVerifier(const PackageInspector& inspector, std::optional<ReleaseKey> releaseKey)
    : m_inspector(inspector), m_releaseKey(releaseKey) {}

std::optional<std::string_view>
PackageVerifier::manifestProblem(std::string_view manifest, std::optional<std::string_view> signature) const {
    if (!signature || signature->size() != manifestSignatureSize)
        return kUnsigned;
    if (!m_releaseKey || !isSignedByReleaseKey(manifest, *signature, *m_releaseKey))
        return kBadSignature;
    return std::nullopt;
}

std::optional<QString> PackageVerifier::downloadProblem(const std::string& receivedSha256,
                                                        const std::string& signedSha256) const {
    if (receivedSha256 != signedSha256)
        return kDigestMismatch;
    return std::nullopt;
}

void PackageVerifier::checkPackage(const QString& path) const {
    if (const auto problem = m_inspector.problemWith(path.toStdString()))
        throw UpdateError::mountFailed(*problem);
}

void PackageVerifier::findAppInPackage(const QString& path) const {
    if (!m_inspector.containsProgram(path.toStdString()))
        throw UpdateError::appNotFound();
}
