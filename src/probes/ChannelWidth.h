#pragma once

#include <array>
#include <optional>

// Channel width in MHz as a scan reports it.
enum class ChannelWidth { twenty = 20, forty = 40, eighty = 80, oneSixty = 160 };

inline constexpr std::array<ChannelWidth, 4> kAllChannelWidths{ChannelWidth::twenty, ChannelWidth::forty,
                                                               ChannelWidth::eighty, ChannelWidth::oneSixty};

inline constexpr int rawValue(ChannelWidth width) {
    return static_cast<int>(width);
}

// Only 20, 40, 80 and 160 build a width.
inline constexpr std::optional<ChannelWidth> channelWidthFromRawValue(int megahertz) {
    for (const ChannelWidth width : kAllChannelWidths)
        if (rawValue(width) == megahertz)
            return width;
    return std::nullopt;
}
