#include "viewmodel/ScanDisplayRules.h"

bool isBestScore(int score) {
    return score >= 90;
}

std::string_view interfaceSymbolName(std::string_view displayName) {
    if (displayName == "Wi-Fi")
        return "wifi";
    if (displayName == "Ethernet" || displayName == "Ethernet 2" || displayName == "Network")
        return "cable.connector";
    if (displayName == "VPN" || displayName == "VPN Tunnel")
        return "lock.shield";
    if (displayName == "Cellular")
        return "antenna.radiowaves.left.and.right";
    return "network";
}
