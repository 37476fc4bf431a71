#include "views/kit/FlashMessage.h"

#include "support/ManualScheduler.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <memory>

using namespace std::chrono_literals;

namespace {

class FlashMessageTest : public ::testing::Test {
protected:
    ManualClock clock;
    ManualScheduler time{clock};
    FlashMessage flash{time};
};

} // namespace

TEST_F(FlashMessageTest, AMessageStaysTwoSecondsAndNoLonger) {
    QSignalSpy changes(&flash, &FlashMessage::changed);
    flash.show(QStringLiteral("Copied!"));
    EXPECT_EQ(flash.message(), QStringLiteral("Copied!"));
    time.advance(1999ms);
    EXPECT_EQ(flash.message(), QStringLiteral("Copied!"));
    time.advance(1ms);
    EXPECT_EQ(flash.message(), std::nullopt);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][0].value<std::optional<QString>>(), std::nullopt);
}

TEST_F(FlashMessageTest, ANewMessageKeepsItsOwnTwoSeconds) {
    flash.show(QStringLiteral("Screenshot copied!"));
    time.advance(1200ms);
    flash.show(QStringLiteral("Copied!"));
    // The first message's time is up; it takes nothing away that is not its own.
    time.advance(800ms);
    EXPECT_EQ(flash.message(), QStringLiteral("Copied!"));
    time.advance(1199ms);
    EXPECT_EQ(flash.message(), QStringLiteral("Copied!"));
    time.advance(1ms);
    EXPECT_EQ(flash.message(), std::nullopt);
}

TEST_F(FlashMessageTest, EachShowingOfTheSameMessageEndsOnItsOwnTime) {
    flash.show(QStringLiteral("Copied!"));
    time.advance(1200ms);
    flash.show(QStringLiteral("Copied!"));
    time.advance(800ms);
    EXPECT_EQ(flash.message(), std::nullopt) << "showing it again does not make it last longer";

    // Shown once more after it went, it still goes when the second showing's time is up.
    time.advance(100ms);
    flash.show(QStringLiteral("Copied!"));
    time.advance(1099ms);
    EXPECT_EQ(flash.message(), QStringLiteral("Copied!"));
    time.advance(1ms);
    EXPECT_EQ(flash.message(), std::nullopt);
}

TEST(FlashMessage, TakesTheDurationItIsGivenAndOutlivesNoOwner) {
    ManualClock clock;
    ManualScheduler time{clock};
    auto flash = std::make_unique<FlashMessage>(time, 300ms);
    flash->show(QStringLiteral("Saved"));
    time.advance(299ms);
    EXPECT_EQ(flash->message(), QStringLiteral("Saved"));
    time.advance(1ms);
    EXPECT_EQ(flash->message(), std::nullopt);

    // A message whose owner is gone before its time is up is simply forgotten.
    flash->show(QStringLiteral("Saved"));
    flash.reset();
    time.advance(1s);
}
