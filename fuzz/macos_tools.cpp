// The macOS tools' outputs (netstat, scutil, networksetup, osascript, hdiutil) and the escaping of
// texts into an AppleScript string.
#include "FuzzInput.h"
#include "system/macos/HdiutilAttach.h"
#include "system/macos/NetstatGateway.h"
#include "system/macos/NetworkSetupServiceName.h"
#include "system/macos/OsascriptDnsChange.h"
#include "system/macos/ScutilDnsServer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = textOf(data, size);
    const auto [listing, name] = twoTexts(text);
    (void)macos::parseNetstatDefaultGateway(text);
    (void)macos::parseNetstatDefaultInterface(text);
    (void)macos::parseScutilFirstNameserver(text);
    (void)macos::parseScutilNameservers(text);
    (void)macos::parseNetworkServiceName(listing, name);
    (void)macos::isCancelledOutput(text);
    (void)macos::parseHdiutilMountPoint(text);
    // Escaped, no quote may end the AppleScript string early.
    const std::string escaped = macos::escapeForAppleScript(text);
    bool escapedByBackslash = false;
    for (const char c : escaped) {
        FUZZ_EXPECT(c != '"' || escapedByBackslash);
        escapedByBackslash = !escapedByBackslash && c == '\\';
    }
    (void)macos::dnsChangeScript(listing, {std::string(name)}, name);
    return 0;
}
