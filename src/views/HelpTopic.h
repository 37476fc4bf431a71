#pragma once

#include <array>
#include <string_view>
#include <vector>

// The help window's topics, in sidebar order. The raw value is the topic's identity.
enum class HelpTopic { overview, signalStrength, latencyPing, packetLoss, channelAnalysis, troubleshooting };

inline constexpr std::array<HelpTopic, 6> allHelpTopics{
    HelpTopic::overview,   HelpTopic::signalStrength,  HelpTopic::latencyPing,
    HelpTopic::packetLoss, HelpTopic::channelAnalysis, HelpTopic::troubleshooting};

std::string_view rawValue(HelpTopic topic);
std::string_view title(HelpTopic topic);
std::string_view symbol(HelpTopic topic);
// The explanation, with "**" around bold passages and literal line breaks, bullets and numbers.
std::string_view content(HelpTopic topic);
const std::vector<std::string_view>& tips(HelpTopic topic);
