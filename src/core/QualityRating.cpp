#include "core/QualityRating.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

namespace {

struct RatingTexts {
    QualityRating value;
    std::string_view raw;
    std::string_view description;
    Tone tone;
};

constexpr std::array<RatingTexts, 6> kRatings{{
    {QualityRating::excellent, QT_TRANSLATE_NOOP("QualityRating", "Excellent"),
     QT_TRANSLATE_NOOP("QualityRating", "Perfect for video calls & gaming"), Tone::green},
    {QualityRating::good, QT_TRANSLATE_NOOP("QualityRating", "Good"),
     QT_TRANSLATE_NOOP("QualityRating", "Great for most activities"), Tone::green},
    {QualityRating::fair, QT_TRANSLATE_NOOP("QualityRating", "Fair"),
     QT_TRANSLATE_NOOP("QualityRating", "May experience occasional issues"), Tone::yellow},
    {QualityRating::poor, QT_TRANSLATE_NOOP("QualityRating", "Poor"),
     QT_TRANSLATE_NOOP("QualityRating", "Expect slowdowns and interruptions"), Tone::orange},
    {QualityRating::bad, QT_TRANSLATE_NOOP("QualityRating", "Bad"),
     QT_TRANSLATE_NOOP("QualityRating", "Connection is unstable"), Tone::red},
    {QualityRating::unknown, QT_TRANSLATE_NOOP("QualityRating", "Unknown"),
     QT_TRANSLATE_NOOP("QualityRating", "Gathering data..."), Tone::gray},
}};

const RatingTexts& textsOf(QualityRating rating) {
    return rowOf(kRatings, rating, kRatings.back());
}

} // namespace

std::string_view rawValue(QualityRating rating) {
    return textsOf(rating).raw;
}

std::optional<QualityRating> qualityRatingFromRawValue(std::string_view text) {
    return caseFromRaw(kRatings, text);
}

std::string_view description(QualityRating rating) {
    return textsOf(rating).description;
}

Tone tone(QualityRating rating) {
    return textsOf(rating).tone;
}

QualityRating qualityRatingForScore(int score) {
    if (score >= 90 && score <= 100)
        return QualityRating::excellent;
    if (score >= 70 && score <= 89)
        return QualityRating::good;
    if (score >= 50 && score <= 69)
        return QualityRating::fair;
    if (score >= 30 && score <= 49)
        return QualityRating::poor;
    if (score >= 1 && score <= 29)
        return QualityRating::bad;
    return QualityRating::unknown;
}
