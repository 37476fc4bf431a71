#include "viewmodel/QualityText.h"

#include "viewmodel/DisplayText.h"

QString qualitySentence(int score, QualityRating rating) {
    //: Read out by screen readers; %1 is the score, %2 the rating ("Excellent")
    return QCoreApplication::translate("QualityText", "Connection quality %1 of 100, %2")
        .arg(localNumber(score), translatedText("QualityRating", rawValue(rating)));
}
