#include "views/OnboardingView.h"

#include "support/SettingsFixture.h"
#include "views/LocationPermissionPage.h"
#include "views/NotificationPermissionPage.h"
#include "views/ReadyPage.h"
#include "views/TrayPage.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class OnboardingViewTest : public ::testing::Test {
protected:
    SettingsFixture f;
    OnboardingView view{f.location, f.notifications, true, QString()};

    PermissionPage* permissionPage(int index) { return qobject_cast<PermissionPage*>(view.page(index)); }
};

} // namespace

TEST_F(OnboardingViewTest, BackAndNextWalkThePagesAndOnlyGetStartedEnds) {
    QSignalSpy finished(&view, &OnboardingView::finished);
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_TRUE(view.backButton()->isHidden());
    EXPECT_FALSE(view.nextButton()->isHidden());

    for (int page = 1; page < OnboardingView::pageCount; ++page) {
        view.nextButton()->click();
        EXPECT_EQ(view.currentPage(), page);
        EXPECT_FALSE(view.backButton()->isHidden());
    }
    EXPECT_TRUE(view.nextButton()->isHidden());
    view.backButton()->click();
    EXPECT_EQ(view.currentPage(), 2);
    view.nextButton()->click();
    EXPECT_EQ(finished.count(), 0);

    auto* ready = qobject_cast<ReadyPage*>(view.page(3));
    ASSERT_NE(ready, nullptr);
    ready->getStartedButton()->click();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(OnboardingViewTest, LocationGrantedWhileShownSwapsTheButtonOnTheSamePage) {
    view.setCurrentPage(1);
    PermissionPage* page = permissionPage(1);
    ASSERT_NE(qobject_cast<LocationPermissionPage*>(page), nullptr);
    EXPECT_FALSE(page->requestButton()->isHidden());
    EXPECT_TRUE(page->confirmation()->isHidden());

    page->requestButton()->click();
    EXPECT_EQ(f.authorization.requests, 1);
    f.grantLocation();
    EXPECT_TRUE(page->requestButton()->isHidden());
    EXPECT_FALSE(page->confirmation()->isHidden());
    EXPECT_EQ(view.currentPage(), 1);
}

TEST_F(OnboardingViewTest, NotificationRequestFromThePageFollowsTheAnswer) {
    view.setCurrentPage(2);
    PermissionPage* page = permissionPage(2);
    ASSERT_NE(qobject_cast<NotificationPermissionPage*>(page), nullptr);
    EXPECT_FALSE(page->isAuthorized());

    // Refused: the page says why instead of staying as it was.
    f.center.grantOnRequest = false;
    page->requestButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !page->problemLabel()->isHidden(); }));
    EXPECT_EQ(page->problemLabel()->text(), "No notification service is running. Start one.");
    EXPECT_FALSE(page->isAuthorized());

    f.center.grantOnRequest = true;

    page->requestButton()->click();
    ASSERT_TRUE(waitUntil([&] { return page->isAuthorized(); }));
    EXPECT_EQ(f.center.requests, 2);
    EXPECT_TRUE(page->requestButton()->isHidden());
    EXPECT_TRUE(page->problemLabel()->isHidden());
    EXPECT_EQ(view.currentPage(), 2);
}

TEST(OnboardingTrayPage, WhereLocationNeedsNoAskingThePageSaysWhatTheTrayNeeds) {
    SettingsFixture f;
    f.authorization.refusable = false;
    OnboardingView gnome(f.location, f.notifications, false, QStringLiteral("ubuntu:GNOME"));
    ASSERT_EQ(qobject_cast<LocationPermissionPage*>(gnome.page(1)), nullptr);
    TrayPage* page = gnome.trayPage();
    ASSERT_EQ(gnome.page(1), page);
    EXPECT_EQ(page->advice(), TrayPage::Advice::gnomeExtension);
    const auto shownTexts = [&] {
        QStringList texts;
        for (const QLabel* label : page->findChildren<QLabel*>())
            if (label->isVisibleTo(page))
                texts << label->text();
        return texts.join(QLatin1Char('\n'));
    };
    EXPECT_TRUE(shownTexts().contains("gnome-extensions enable ubuntu-appindicators@ubuntu.com"));
    EXPECT_FALSE(shownTexts().contains("Tray found"));

    // A tray that appears while the page is on screen.
    page->setTrayShown(true);
    EXPECT_EQ(page->advice(), TrayPage::Advice::shown);
    EXPECT_TRUE(shownTexts().contains("Tray found"));
    EXPECT_FALSE(shownTexts().contains("gnome-extensions"));

    OnboardingView xfce(f.location, f.notifications, false, QStringLiteral("XFCE"));
    EXPECT_EQ(xfce.trayPage()->advice(), TrayPage::Advice::panelNeedsTray);
    OnboardingView found(f.location, f.notifications, true, QStringLiteral("GNOME"));
    EXPECT_EQ(found.trayPage()->advice(), TrayPage::Advice::shown);
}
