#pragma once

#include "core/QualityRating.h"

#include <QString>

// The score and its rating as one sentence, for screen readers: the ring, the badge and the
// status card's number all say it the same way.
QString qualitySentence(int score, QualityRating rating);
