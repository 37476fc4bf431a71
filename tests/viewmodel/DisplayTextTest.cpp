#include "viewmodel/DisplayText.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {
// Figures a rule wrote for the English text are shown in the reader's own way.
struct GermanLocale {
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(QLocale::c()); }
};
} // namespace

TEST(DisplayText, FiguresFollowTheReadersLocaleAndOtherArgumentsStayAsTheyAre) {
    GermanLocale german;
    EXPECT_EQ(translatedText("Tip", "%1% lost", {"3.0"}), QStringLiteral("3,0% lost"));
    EXPECT_EQ(translatedText("Tip", "%1 dBm", {"-78"}), QStringLiteral("-78 dBm"));
    EXPECT_EQ(translatedText("Tip", "Open %1", {"http://192.168.1.1"}),
              QStringLiteral("Open http://192.168.1.1"));
    EXPECT_EQ(translatedText("Tip", "%1 and %2", {"1.25", "v2.0"}), QStringLiteral("1,25 and v2.0"));
}

TEST(DisplayText, APatternWithoutAPlaceForItsFigureIgnoresIt) {
    EXPECT_EQ(translatedText("ChannelRecommendation", "1 weak network - good choice", {"1"}),
              QStringLiteral("1 weak network - good choice"));
}
