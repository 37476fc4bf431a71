#pragma once

#include "reports/ManifestSignature.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class PackageInspector;

// What a release must pass before it is offered or shown: its manifest carries the release key's
// signature over exactly its bytes, the download is the package that signed manifest names (by
// SHA-256), and the system's packaging tool reads the package and finds the program in it.
class PackageVerifier final {
public:
    // Without a release key no manifest is trusted.
    PackageVerifier(const PackageInspector& inspector, std::optional<ReleaseKey> releaseKey);

    // Nothing when `signature` (none when it could not be fetched) is the release key's over exactly
    // `manifest`; otherwise why the manifest is not to be read.
    std::optional<std::string_view> manifestProblem(std::string_view manifest,
                                                    std::optional<std::string_view> signature) const;
    // Nothing when the downloaded bytes' SHA-256 (hexadecimal) is the one the signed manifest gives.
    std::optional<QString> downloadProblem(const std::string& receivedSha256,
                                           const std::string& signedSha256) const;

    // Both block while the packaging tool runs and may run on any thread. They throw UpdateError, or
    // std::runtime_error when the packaging tool cannot be started.
    void checkPackage(const QString& path) const;
    void findAppInPackage(const QString& path) const;

private:
    const PackageInspector& m_inspector;
    std::optional<ReleaseKey> m_releaseKey;
};
