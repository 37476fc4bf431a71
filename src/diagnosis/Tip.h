#pragma once

#include <compare>
#include <optional>
#include <string>
#include <vector>

// Urgency of a piece of advice; the raw values order it.
enum class TipPriority : int { info = 1, warning = 2, critical = 3 };

constexpr int rawValue(TipPriority priority) {
    return static_cast<int>(priority);
}
// 1, 2 and 3 build a priority; any other number builds nothing.
std::optional<TipPriority> tipPriorityFromRawValue(int raw);

// One piece of advice. Its id is new for every tip made, so two tips count as the same advice
// when their title and description match.
struct Tip {
    std::string id;
    std::string icon;
    std::string title;
    std::string description;
    std::optional<std::string> action;
    TipPriority priority = TipPriority::info;
    // The description before its figures are put in ("%1% of data ..."), marked for translators
    // under "Tip", and the figures for %1, %2, ...; a view translates the pattern and fills it in.
    // Empty for a tip made elsewhere: the description is then shown as it is.
    std::string descriptionPattern;
    std::vector<std::string> descriptionArguments;

    bool operator==(const Tip& other) const {
        return title == other.title && description == other.description;
    }
};
