#include "views/kit/RelativeTimeLabel.h"

#include "support/ManualScheduler.h"

#include <gtest/gtest.h>

#include <QVBoxLayout>

#include <tuple>
#include <vector>

using namespace std::chrono_literals;

TEST(RelativeTimeText, CountsTheLargestWholeUnit) {
    const TimePoint now = ManualClock().now();
    const std::vector<std::tuple<std::chrono::seconds, std::string>> cases{{0s, "just now"},
                                                                           {-30s, "just now"},
                                                                           {1s, "1 second ago"},
                                                                           {59s, "59 seconds ago"},
                                                                           {60s, "1 minute ago"},
                                                                           {5min + 30s, "5 minutes ago"},
                                                                           {2h + 59min, "2 hours ago"},
                                                                           {24h, "1 day ago"},
                                                                           {24h * 15, "2 weeks ago"},
                                                                           {24h * 400, "1 year ago"}};
    for (const auto& [ago, text] : cases)
        EXPECT_EQ(relativeTimeText(now - ago, now).toStdString(), text) << ago.count();
}

namespace {

class RelativeTimeLabelTest : public ::testing::Test {
protected:
    RelativeTimeLabelTest() { (new QVBoxLayout(&window))->addWidget(label); }

    QString shown() const { return label->text(); }

    ManualClock clock;
    ManualScheduler time{clock};
    QWidget window;
    RelativeTimeLabel* label =
        new RelativeTimeLabel(time, TextStyle::caption2, Colour::secondary, QStringLiteral("Last tested: "));
};

} // namespace

TEST_F(RelativeTimeLabelTest, TellsTheTimeAsSoonAsItIsGivenOne) {
    label->setTime(clock.now() - 5min - 10s);
    EXPECT_EQ(shown(), "Last tested: 5 minutes ago");
    label->setTime(std::nullopt);
    EXPECT_EQ(shown(), "");
}

TEST_F(RelativeTimeLabelTest, OnScreenTheWordsFollowTheClockEveryTenSeconds) {
    window.show();
    label->setTime(clock.now() - 50s);
    EXPECT_EQ(shown(), "Last tested: 50 seconds ago");
    time.advance(9s);
    EXPECT_EQ(shown(), "Last tested: 50 seconds ago");
    time.advance(1s);
    EXPECT_EQ(shown(), "Last tested: 1 minute ago");
    time.advance(59min);
    EXPECT_EQ(shown(), "Last tested: 1 hour ago");
}

TEST_F(RelativeTimeLabelTest, HiddenItWaitsAndCatchesUpWhenShownAgain) {
    window.show();
    label->setTime(clock.now());
    window.hide();
    time.advance(2min);
    EXPECT_EQ(shown(), "Last tested: just now");
    window.show();
    EXPECT_EQ(shown(), "Last tested: 2 minutes ago");
    time.advance(1min);
    EXPECT_EQ(shown(), "Last tested: 3 minutes ago");
}
