#include "views/SettingsView.h"

#include "support/SettingsFixture.h"
#include "views/GeneralSettingsTab.h"
#include "views/MenuBarPreview.h"
#include "views/MenuBarSettingsTab.h"
#include "views/NotificationToggleRow.h"
#include "views/NotificationsSettingsTab.h"
#include "views/ThresholdsSettingsTab.h"
#include "views/kit/Palette.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class SettingsViewTest : public ::testing::Test {
protected:
    SettingsFixture f;
    SettingsView view{f.settings, f.launchAtLogin, f.notifications};

    template <typename T> T* control(const char* name) {
        T* found = view.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Types into a number field and leaves it, as the user commits a value.
    void commit(const char* field, const QString& text) {
        QLineEdit* edit = control<QLineEdit>(field);
        edit->setText(text);
        emit edit->editingFinished();
    }
};

} // namespace

TEST_F(SettingsViewTest, TabsComeInOrderAtTheFixedSize) {
    ASSERT_EQ(view.tabs()->count(), 4);
    EXPECT_EQ(view.tabs()->tabText(0), "General");
    EXPECT_EQ(view.tabs()->tabText(1), "Panel");
    EXPECT_EQ(view.tabs()->tabText(2), "Thresholds");
    EXPECT_EQ(view.tabs()->tabText(3), "Notifications");
    EXPECT_EQ(view.size(), QSize(450, 380));
}

TEST_F(SettingsViewTest, CheckIntervalRowShowsOnlyWhileDetectionIsOn) {
    f.settings.setCaptivePortalCheckInterval(30.0);
    auto* detect = control<QCheckBox>(SettingsKey::checkForCaptivePortal);
    auto* interval = control<QComboBox>(SettingsKey::captivePortalCheckInterval);
    EXPECT_TRUE(interval->isVisibleTo(&view));

    detect->click();
    EXPECT_FALSE(f.settings.checkForCaptivePortal());
    EXPECT_FALSE(interval->isVisibleTo(&view));

    detect->click();
    EXPECT_TRUE(f.settings.checkForCaptivePortal());
    EXPECT_TRUE(interval->isVisibleTo(&view));
    EXPECT_EQ(interval->currentText(), "30 seconds");

    // Choices are stored at once; a value from an edited file still shows.
    interval->setCurrentIndex(0);
    emit interval->activated(0);
    EXPECT_EQ(f.settings.captivePortalCheckInterval(), 5.0);
    f.settings.setPingInterval(3.0);
    EXPECT_EQ(control<QComboBox>(SettingsKey::pingInterval)->currentText(), "3 seconds");
}

TEST_F(SettingsViewTest, LaunchAtLoginShowsTheLoginItemAndRevertsOnFailure) {
    view.show();
    auto* launch = control<QCheckBox>(SettingsKey::launchAtLogin);
    EXPECT_FALSE(launch->isChecked());

    f.loginItems.failure = QStringLiteral("no autostart folder");
    launch->click();
    EXPECT_FALSE(launch->isChecked());
    EXPECT_FALSE(f.launchAtLogin.launchAtLogin());
    EXPECT_EQ(f.loginItems.registerCalls, 1);

    f.loginItems.failure.reset();
    launch->click();
    EXPECT_TRUE(launch->isChecked());
    EXPECT_TRUE(f.launchAtLogin.launchAtLogin());

    // Removed behind the program's back: the next showing tells the truth, not the stored key.
    f.loginItems.enabled = false;
    view.hide();
    view.show();
    EXPECT_FALSE(launch->isChecked());
    EXPECT_TRUE(f.launchAtLogin.launchAtLogin());
}

TEST_F(SettingsViewTest, PreviewFollowsTheAppearanceAndTheMode) {
    MenuBarPreview* preview = view.menuBarTab()->preview();
    EXPECT_TRUE(preview->showsIcon());
    EXPECT_EQ(preview->text(), "92");

    control<QRadioButton>("pingAndQuality")->click();
    EXPECT_EQ(f.settings.menuBarDisplayMode(), MenuBarDisplayMode::pingAndQuality);
    EXPECT_EQ(preview->text(), "5ms • 92");

    // Icon only, though text is on: the symbol alone.
    control<QRadioButton>("icon")->click();
    EXPECT_TRUE(f.settings.showMenuBarText());
    EXPECT_TRUE(preview->showsIcon());
    EXPECT_EQ(preview->text(), "");

    // Both switched off: an empty grey box that keeps its place.
    control<QRadioButton>("ping")->click();
    control<QCheckBox>(SettingsKey::showMenuBarIcon)->click();
    control<QCheckBox>(SettingsKey::showMenuBarText)->click();
    EXPECT_FALSE(f.settings.showMenuBarIcon());
    EXPECT_FALSE(preview->showsIcon());
    EXPECT_EQ(preview->text(), "");
    EXPECT_GT(preview->sizeHint().width(), 0);
    EXPECT_GT(preview->sizeHint().height(), 0);
}

TEST_F(SettingsViewTest, TheIconValueChoiceIsBoundBothWays) {
    auto* choice = control<QComboBox>(SettingsKey::iconValueMode);
    ASSERT_EQ(choice->count(), 3);
    EXPECT_EQ(choice->currentText(), "Automatic");
    choice->setCurrentIndex(choice->findText("Off"));
    emit choice->activated(choice->currentIndex());
    EXPECT_EQ(f.settings.iconValueMode(), IconValueMode::off);
    f.settings.setIconValueMode(IconValueMode::on);
    EXPECT_EQ(choice->currentText(), "On");
}

TEST_F(SettingsViewTest, ResetRestoresTheFourThresholdsAndNothingElse) {
    f.settings.setLatencyWarningThreshold(70);
    f.settings.setLatencyCriticalThreshold(300);
    f.settings.setPacketLossWarningThreshold(2.5);
    f.settings.setPacketLossCriticalThreshold(9.0);
    f.settings.setPingInterval(5.0);
    f.settings.setCompactMode(true);
    f.settings.setNotifyOnWeakSignal(false);
    EXPECT_EQ(control<QLineEdit>(SettingsKey::packetLossWarningThreshold)->text(), QLocale().toString(2.5));

    control<QPushButton>("resetToDefaults")->click();
    EXPECT_EQ(control<QLineEdit>(SettingsKey::latencyWarningThreshold)->text(), "50");
    EXPECT_EQ(control<QLineEdit>(SettingsKey::latencyCriticalThreshold)->text(), "100");
    EXPECT_EQ(control<QLineEdit>(SettingsKey::packetLossWarningThreshold)->text(), "1");
    EXPECT_EQ(control<QLineEdit>(SettingsKey::packetLossCriticalThreshold)->text(), "5");
    EXPECT_EQ(f.settings.latencyCriticalThreshold(), 100);
    EXPECT_EQ(f.settings.packetLossCriticalThreshold(), 5.0);
    EXPECT_EQ(f.settings.pingInterval(), 5.0);
    EXPECT_EQ(control<QComboBox>(SettingsKey::pingInterval)->currentText(), "5 seconds");
    EXPECT_TRUE(control<QCheckBox>(SettingsKey::compactMode)->isChecked());
    EXPECT_FALSE(control<NotificationToggleRow>(SettingsKey::notifyOnWeakSignal)->isOn());
}

TEST_F(SettingsViewTest, ARefusedThresholdShowsWhyAndKeepsTheStoredValue) {
    ThresholdsSettingsTab* tab = view.thresholdsTab();
    // Above its critical value.
    commit(SettingsKey::latencyWarningThreshold, QStringLiteral("150"));
    EXPECT_EQ(f.settings.latencyWarningThreshold(), 50);
    EXPECT_FALSE(tab->latencyHint()->isHidden());
    EXPECT_TRUE(tab->latencyHint()->text().contains("critical"));
    EXPECT_EQ(control<QLineEdit>(SettingsKey::latencyWarningThreshold)->text(), "50");
    EXPECT_FALSE(f.store.contains(SettingsKey::latencyWarningThreshold));

    // Out of range, not a whole number, not a number: the range hint, nothing stored.
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("10001"), QStringLiteral("120.5"),
                                QStringLiteral("fast"), QStringLiteral("")}) {
        commit(SettingsKey::latencyCriticalThreshold, text);
        EXPECT_EQ(f.settings.latencyCriticalThreshold(), 100) << text.toStdString();
        EXPECT_TRUE(tab->latencyHint()->text().contains("10000")) << text.toStdString();
    }
    for (const QString& text :
         {QStringLiteral("-1"), QStringLiteral("100.5"), QStringLiteral("nan"), QStringLiteral("inf")}) {
        commit(SettingsKey::packetLossCriticalThreshold, text);
        EXPECT_EQ(f.settings.packetLossCriticalThreshold(), 5.0) << text.toStdString();
        EXPECT_FALSE(tab->packetLossHint()->isHidden()) << text.toStdString();
    }
    commit(SettingsKey::packetLossCriticalThreshold, QStringLiteral("0.5"));
    EXPECT_EQ(f.settings.packetLossCriticalThreshold(), 5.0);
    EXPECT_TRUE(tab->packetLossHint()->text().contains("critical"));

    // A good value goes in and the hint goes away; equal warning and critical are fine.
    commit(SettingsKey::latencyWarningThreshold, QStringLiteral("100"));
    EXPECT_EQ(f.settings.latencyWarningThreshold(), 100);
    EXPECT_TRUE(tab->latencyHint()->isHidden());
    commit(SettingsKey::packetLossWarningThreshold, QStringLiteral("0"));
    EXPECT_EQ(f.settings.packetLossWarningThreshold(), 0.0);
    EXPECT_TRUE(tab->packetLossHint()->isHidden());
}

TEST_F(SettingsViewTest, AlertRowsAreGreyButUsableWhileNotificationsAreOff) {
    const auto& rows = view.notificationsTab()->alertRows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.front()->title(), "High Response Time");
    // The two alerts that are off until the user asks for them.
    EXPECT_EQ(rows[4]->title(), "Public IP Changed");
    EXPECT_FALSE(rows[4]->isOn());
    EXPECT_EQ(rows.back()->title(), "Roaming");
    EXPECT_FALSE(rows.back()->isOn());

    control<QCheckBox>(SettingsKey::notificationsEnabled)->click();
    EXPECT_FALSE(f.settings.notificationsEnabled());
    for (NotificationToggleRow* row : rows) {
        EXPECT_FALSE(row->isRowEnabled());
        EXPECT_TRUE(row->toggle()->isEnabled());
    }
    auto* title = rows[1]->findChild<QLabel*>(QStringLiteral("title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), Palette::colour(Colour::secondary));

    rows[1]->toggle()->click();
    EXPECT_FALSE(f.settings.notifyOnPacketLoss());
    rows[4]->toggle()->click();
    EXPECT_TRUE(f.settings.notifyOnIPChange());
    EXPECT_TRUE(f.settings.notifyOnHighLatency());

    control<QCheckBox>(SettingsKey::notificationsEnabled)->click();
    for (NotificationToggleRow* row : rows)
        EXPECT_TRUE(row->isRowEnabled());
}

TEST_F(SettingsViewTest, PermissionCardFollowsTheServiceLive) {
    NotificationsSettingsTab* tab = view.notificationsTab();
    EXPECT_EQ(tab->permissionTitle(), "Permission Required");
    EXPECT_FALSE(tab->requestButton()->isHidden());

    // Refused: the card stays.
    EXPECT_EQ(tab->permissionDetail(), "Start your desktop's notification service");
    f.center.grantOnRequest = false;
    tab->requestButton()->click();
    ASSERT_TRUE(waitUntil([&] { return f.center.requests == 1; }));
    spinFor(std::chrono::milliseconds(20));
    EXPECT_EQ(tab->permissionTitle(), "Permission Required");
    // The request is answered on the card: what happened and what to do.
    EXPECT_EQ(tab->permissionDetail(), "No notification service is running. Start one.");

    f.center.grantOnRequest = true;
    tab->requestButton()->click();
    ASSERT_TRUE(waitUntil([&] { return tab->permissionTitle() == "Notifications Enabled"; }));
    EXPECT_TRUE(tab->requestButton()->isHidden());
}

TEST_F(SettingsViewTest, MetricsAddressShowsWhileServingAndRefusesWhatIsNotHostAndPort) {
    GeneralSettingsTab* tab = view.generalTab();
    auto* serve = control<QCheckBox>(SettingsKey::serveMetrics);
    QLineEdit* address = tab->metricsAddressField();
    EXPECT_FALSE(serve->isChecked());
    EXPECT_FALSE(address->isVisibleTo(&view));

    serve->click();
    EXPECT_TRUE(f.settings.serveMetrics());
    EXPECT_TRUE(address->isVisibleTo(&view));
    EXPECT_EQ(address->text(), "127.0.0.1:9469");
    EXPECT_EQ(tab->metricsURL()->text(), "http://127.0.0.1:9469/metrics");

    for (const QString& text : {QStringLiteral("9469"), QStringLiteral("example.com:80"),
                                QStringLiteral("127.0.0.1:0"), QStringLiteral("::1:80")}) {
        commit(SettingsKey::metricsAddress, text);
        EXPECT_EQ(f.settings.metricsAddress(), "127.0.0.1:9469") << text.toStdString();
        EXPECT_FALSE(tab->metricsAddressHint()->isHidden()) << text.toStdString();
        EXPECT_TRUE(tab->metricsAddressHint()->text().startsWith("Enter ")) << text.toStdString();
        // What was typed stays to be mended, as with the thresholds.
        EXPECT_EQ(address->text(), text);
    }
    EXPECT_FALSE(f.store.contains(SettingsKey::metricsAddress));

    commit(SettingsKey::metricsAddress, QStringLiteral(" 0.0.0.0:09100 "));
    EXPECT_EQ(f.settings.metricsAddress(), "0.0.0.0:9100");
    EXPECT_TRUE(tab->metricsAddressHint()->isHidden());
    EXPECT_TRUE(tab->metricsAddressNote()->text().startsWith("Other computers"));
    EXPECT_EQ(tab->metricsURL()->text(), "http://0.0.0.0:9100/metrics");

    serve->click();
    EXPECT_FALSE(address->isVisibleTo(&view));
    EXPECT_FALSE(tab->metricsURL()->isVisibleTo(&view));
}
