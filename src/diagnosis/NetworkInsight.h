#pragma once

#include <string>
#include <string_view>

// How today's connection compares with what is usual for the network.
struct NetworkInsight {
    enum class Kind { betterThanUsual, worseThanUsual, consistentlyGood, consistentlyPoor };

    Kind kind = Kind::consistentlyGood;
    // Only meaningful for betterThanUsual and worseThanUsual.
    int percent = 0;

    static NetworkInsight betterThanUsual(int percent) { return {Kind::betterThanUsual, percent}; }
    static NetworkInsight worseThanUsual(int percent) { return {Kind::worseThanUsual, percent}; }
    static NetworkInsight consistentlyGood() { return {Kind::consistentlyGood, 0}; }
    static NetworkInsight consistentlyPoor() { return {Kind::consistentlyPoor, 0}; }

    bool operator==(const NetworkInsight&) const = default;
};

// The line shown to the user, in English.
std::string displayText(const NetworkInsight& insight);
// The same line before its number is put in: "%1% better than usual" takes the percent as %1. Views
// translate this (context "NetworkInsight") and fill in the number themselves.
std::string_view displayTemplate(const NetworkInsight& insight);
