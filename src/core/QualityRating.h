#pragma once

#include "core/Tone.h"

#include <optional>
#include <string_view>

// Band of a connection quality score. The raw value doubles as the display name.
enum class QualityRating { excellent, good, fair, poor, bad, unknown };

std::string_view rawValue(QualityRating rating);
// Exactly the six display names build a rating; any other text builds nothing.
std::optional<QualityRating> qualityRatingFromRawValue(std::string_view text);
// One-line explanation shown under the score.
std::string_view description(QualityRating rating);
// Green for excellent and good, yellow for fair, orange for poor, red for bad, gray while unknown.
Tone tone(QualityRating rating);
// 90-100 excellent, 70-89 good, 50-69 fair, 30-49 poor, 1-29 bad; anything else is unknown.
QualityRating qualityRatingForScore(int score);
