#include "app/LinkmeterApp.h"
#include "app/TrayController.h"
#include "app/WindowController.h"
#include "support/PrivateBus.h"
#include "support/StatusFixture.h"
#include "support/TestUtil.h"
#include "system/linux/DBusMenuTypes.h"
#include "system/linux/StatusNotifierItem.h"
#include "views/MainPopoverView.h"
#include "views/TrayPage.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QMutex>
#include <QThread>
#include <QWidget>

namespace {

const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// A panel's watcher: records the items announced to it. Lives on its own thread, as it would in
// its own process, so the item's blocking first announcement gets its answer.
class FakeWatcher final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    QStringList registered() const {
        QMutexLocker lock(&m_mutex);
        return m_registered;
    }

public slots:
    void RegisterStatusNotifierItem(const QString& service) {
        QMutexLocker lock(&m_mutex);
        m_registered << service;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_registered;
};

// A panel process: its own bus connection, with a watcher it can start and stop.
class FakePanel {
public:
    FakePanel(const QString& address, const QString& name)
        : m_name(name), m_bus(QDBusConnection::connectToBus(address, name)) {
        m_watcher.moveToThread(&m_thread);
        m_thread.start();
        m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher,
                             QDBusConnection::ExportAllSlots);
    }
    ~FakePanel() {
        m_bus.unregisterService(kWatcher);
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(m_name);
    }

    bool startWatcher() { return m_bus.registerService(kWatcher); }
    bool stopWatcher() { return m_bus.unregisterService(kWatcher); }
    QStringList registered() const { return m_watcher.registered(); }
    QDBusConnection& bus() { return m_bus; }

private:
    QString m_name;
    QDBusConnection m_bus;
    FakeWatcher m_watcher;
    QThread m_thread;
};

// Counts the item's signals, and keeps the last menu update, as a panel hears them.
class SignalListener final : public QObject {
    Q_OBJECT

public:
    QMap<QString, int> counts;
    DBusMenuItemPropertiesList lastMenuUpdate;

public slots:
    void received(const QDBusMessage& message) {
        ++counts[message.member()];
        if (message.member() == QLatin1String("ItemsPropertiesUpdated"))
            lastMenuUpdate = qdbus_cast<DBusMenuItemPropertiesList>(message.arguments().value(0));
    }
};

class StatusNotifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address.isEmpty());
        registerDBusMenuTypes();
        program = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address, QStringLiteral("program")));
        panel = std::make_unique<FakePanel>(bus.address, QStringLiteral("panel"));
        f.settings.setHasCompletedOnboarding(true);
        f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::quality);
    }

    void TearDown() override {
        panel.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }

    // Asks without blocking: the item answers from this very thread.
    QDBusMessage ask(const QString& service, const QString& path, const QString& interface,
                     const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(arguments);
        QDBusPendingCall pending = panel->bus().asyncCall(call);
        EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }));
        return pending.reply();
    }

    QVariant property(const QString& service, const QString& path, const QString& interface,
                      const QString& name) {
        const QDBusMessage reply = ask(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("Get"), {interface, name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QVariant itemProperty(const QString& service, const QString& name) {
        return property(service, QLatin1String(StatusNotifierItem::objectPath), kItemInterface, name);
    }

    QDBusMessage askMenu(const QString& service, const QString& method, const QVariantList& arguments) {
        return ask(service, QLatin1String(DBusMenuExporter::objectPath), kMenuInterface, method, arguments);
    }

    // The menu as the panel reads it: each entry's label, "-" for a divider.
    QStringList menuLabels(const QString& service, QList<int>* ids = nullptr) {
        const QDBusMessage reply = askMenu(service, QStringLiteral("GetLayout"), {0, -1, QStringList()});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        const auto layout = qdbus_cast<DBusMenuLayoutItem>(reply.arguments().value(1));
        QStringList labels;
        for (const DBusMenuLayoutItem& child : layout.children) {
            const bool divider =
                child.properties.value(QStringLiteral("type")) == QStringLiteral("separator");
            labels << (divider ? QStringLiteral("-")
                               : child.properties.value(QStringLiteral("label")).toString());
            if (ids)
                ids->append(child.id);
        }
        return labels;
    }

    void listen(const QString& service, const QString& path, const QString& interface,
                const QString& signal) {
        ASSERT_TRUE(
            panel->bus().connect(service, path, interface, signal, &listener, SLOT(received(QDBusMessage))));
    }

    std::unique_ptr<LinkmeterApp> launch(std::unique_ptr<StatusNotifierItem> item) {
        return std::make_unique<LinkmeterApp>(
            viewModel, f.shellServices(), f.notifications, f.location, std::move(item), false,
            LinkmeterApp::WindowServices{f.timeline, f.timelineWriter, f.clock, f.launchAtLogin});
    }

    PrivateBus bus;
    std::unique_ptr<QDBusConnection> program;
    std::unique_ptr<FakePanel> panel;
    SignalListener listener;
    StatusFixture f;
    LinkmeterViewModel viewModel{f.services()};
};

} // namespace

TEST_F(StatusNotifierTest, TheItemCarriesTheLabelAndOpensThePopover) {
    ASSERT_TRUE(panel->startWatcher());
    auto item = StatusNotifierItem::create(*program);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isShown());
    const QString service = item->serviceName();
    EXPECT_EQ(panel->registered(), QStringList{service});
    auto app = launch(std::move(item));
    // Shown by a panel: nothing opens at launch.
    EXPECT_EQ(app->tray().presence(), TrayController::Presence::panel);
    EXPECT_FALSE(app->tray().popover()->isVisible());

    EXPECT_EQ(itemProperty(service, QStringLiteral("XAyatanaLabel")).toString(), "0");
    EXPECT_EQ(itemProperty(service, QStringLiteral("Id")).toString(), "linkmeter");
    EXPECT_EQ(qdbus_cast<QDBusObjectPath>(itemProperty(service, QStringLiteral("Menu"))).path(), "/MenuBar");
    const auto toolTip = qdbus_cast<StatusNotifierToolTip>(itemProperty(service, QStringLiteral("ToolTip")));
    EXPECT_EQ(toolTip.title, "Linkmeter");
    EXPECT_EQ(toolTip.text, "0");
    const auto pixmaps =
        qdbus_cast<StatusNotifierPixmaps>(itemProperty(service, QStringLiteral("IconPixmap")));
    ASSERT_FALSE(pixmaps.isEmpty());
    EXPECT_EQ(pixmaps.front().pixels.size(), pixmaps.front().width * pixmaps.front().height * 4);

    listen(service, QLatin1String(StatusNotifierItem::objectPath), kItemInterface,
           QStringLiteral("XAyatanaNewLabel"));
    f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::icon);
    EXPECT_EQ(itemProperty(service, QStringLiteral("XAyatanaLabel")).toString(), "");
    EXPECT_TRUE(waitUntil([&] { return listener.counts.value(QStringLiteral("XAyatanaNewLabel")) == 1; }));

    const QDBusMessage reply = ask(service, QLatin1String(StatusNotifierItem::objectPath), kItemInterface,
                                   QStringLiteral("Activate"), {0, 0});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(app->tray().popover()->isVisible());
}

TEST_F(StatusNotifierTest, ThePanelDrawsOurMenuAndItsClicksReachTheProgram) {
    ASSERT_TRUE(panel->startWatcher());
    auto item = StatusNotifierItem::create(*program);
    ASSERT_NE(item, nullptr);
    const QString service = item->serviceName();
    auto app = launch(std::move(item));

    EXPECT_EQ(
        property(service, QStringLiteral("/MenuBar"), kMenuInterface, QStringLiteral("Version")).toUInt(),
        3u);
    QList<int> ids;
    const QStringList labels = menuLabels(service, &ids);
    EXPECT_EQ(labels,
              (QStringList{"Open Linkmeter", "Diagnostics", "-", "History...", "Settings...", "Help",
                           "Check for Updates...", "-", "Pause Monitoring", "-", "About Linkmeter", "Quit"}));
    const auto idOf = [&](const QString& label) { return ids.value(labels.indexOf(label)); };

    // A click is an event on the entry; the menu's window opens.
    askMenu(service, QStringLiteral("Event"),
            {idOf("Settings..."), QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    ASSERT_TRUE(waitUntil(
        [&] { return app->settingsWindow().window() && app->settingsWindow().window()->isVisible(); }));

    // Pausing renames the entry, which the panel hears as a property change of the same entry.
    listen(service, QStringLiteral("/MenuBar"), kMenuInterface, QStringLiteral("ItemsPropertiesUpdated"));
    listen(service, QStringLiteral("/MenuBar"), kMenuInterface, QStringLiteral("LayoutUpdated"));
    const int pause = idOf("Pause Monitoring");
    ASSERT_TRUE(viewModel.isMonitoring());
    const QDBusMessage group = askMenu(
        service, QStringLiteral("EventGroup"),
        {QVariant::fromValue(DBusMenuEventList{{pause, QStringLiteral("clicked"), QDBusVariant(0), 0u},
                                               {99, QStringLiteral("clicked"), QDBusVariant(0), 0u}})});
    EXPECT_EQ(group.type(), QDBusMessage::ReplyMessage) << group.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(group.arguments().value(0)), QList<int>{99});
    ASSERT_TRUE(waitUntil([&] { return !viewModel.isMonitoring(); }));
    ASSERT_TRUE(waitUntil([&] { return !listener.lastMenuUpdate.isEmpty(); }));
    ASSERT_EQ(listener.lastMenuUpdate.size(), 1);
    EXPECT_EQ(listener.lastMenuUpdate.front().id, pause);
    EXPECT_EQ(listener.lastMenuUpdate.front().properties.value(QStringLiteral("label")), "Resume Monitoring");
    EXPECT_EQ(listener.counts.value(QStringLiteral("LayoutUpdated")), 0);
    const QDBusMessage label =
        askMenu(service, QStringLiteral("GetProperty"), {pause, QStringLiteral("label")});
    EXPECT_EQ(label.arguments().value(0).value<QDBusVariant>().variant(), "Resume Monitoring");

    // Ids the menu does not have are refused with the protocol's error; the rest answers as hosts expect.
    const QDBusMessage unknown =
        askMenu(service, QStringLiteral("GetProperty"), {99, QStringLiteral("label")});
    EXPECT_EQ(unknown.errorName(), "com.canonical.dbusmenu.Error.InvalidId");
    EXPECT_FALSE(askMenu(service, QStringLiteral("AboutToShow"), {0}).arguments().value(0).toBool());
    const QDBusMessage groupProperties =
        askMenu(service, QStringLiteral("GetGroupProperties"),
                {QVariant::fromValue(QList<int>{1, 3}), QStringList{"label"}});
    const auto properties = qdbus_cast<DBusMenuItemPropertiesList>(groupProperties.arguments().value(0));
    ASSERT_EQ(properties.size(), 2);
    EXPECT_EQ(properties[0].properties, (QVariantMap{{"label", "Open Linkmeter"}}));
    EXPECT_TRUE(properties[1].properties.isEmpty()); // a divider has no label
}

TEST_F(StatusNotifierTest, WithoutAPanelTheProgramIsAWindowAndMovesIntoThePanelWhenOneStarts) {
    // A first run on a desktop with no location permission to ask for: onboarding shows the tray page.
    f.settings.setHasCompletedOnboarding(false);
    f.authorization.refusable = false;
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    auto item = StatusNotifierItem::create(*program);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isShown());
    const QString service = item->serviceName();
    auto app = launch(std::move(item));
    EXPECT_EQ(app->tray().presence(), TrayController::Presence::window);
    EXPECT_TRUE(app->tray().popover()->isVisible());
    ASSERT_NE(app->onboardingWindow().window(), nullptr);
    auto* trayPage = app->onboardingWindow().window()->findChild<TrayPage*>();
    qunsetenv("XDG_CURRENT_DESKTOP");
    ASSERT_NE(trayPage, nullptr);
    EXPECT_EQ(trayPage->advice(), TrayPage::Advice::gnomeExtension);

    // Started after the program, as autostart often has it.
    ASSERT_TRUE(panel->startWatcher());
    ASSERT_TRUE(waitUntil([&] { return panel->registered() == QStringList{service}; }));
    ASSERT_TRUE(waitUntil([&] { return app->tray().presence() == TrayController::Presence::panel; }));
    EXPECT_FALSE(app->tray().popover()->isVisible());
    EXPECT_EQ(trayPage->advice(), TrayPage::Advice::shown);

    // A panel restart: the old watcher goes, a new one (another process) comes and hears of the item again.
    ASSERT_TRUE(panel->stopWatcher());
    FakePanel restarted(bus.address, QStringLiteral("restarted"));
    ASSERT_TRUE(restarted.startWatcher());
    ASSERT_TRUE(waitUntil([&] { return restarted.registered() == QStringList{service}; }));
    EXPECT_EQ(app->tray().presence(), TrayController::Presence::panel);
    EXPECT_FALSE(app->tray().popover()->isVisible());
}

TEST_F(StatusNotifierTest, UnchangedReadingsSendThePanelNothing) {
    f.settings.setIconValueMode(IconValueMode::off);
    ASSERT_TRUE(panel->startWatcher());
    auto item = StatusNotifierItem::create(*program);
    ASSERT_NE(item, nullptr);
    const QString service = item->serviceName();
    const QString path = QLatin1String(StatusNotifierItem::objectPath);
    auto app = launch(std::move(item));
    // Held still, so that only what the test publishes reaches the tray.
    viewModel.stopMonitoring();
    spinFor(std::chrono::milliseconds(1500));
    for (const char* signal : {"NewIcon", "NewToolTip", "XAyatanaNewLabel"})
        listen(service, path, kItemInterface, QLatin1String(signal));

    // Thirty seconds of a steady connection as the view model publishes it: every ping pass, every
    // bandwidth sample and every score republished with the same values.
    for (int second = 0; second < 30; ++second) {
        emit viewModel.bandwidthSpeedChanged(viewModel.bandwidthSpeed());
        if (second % 2 == 0) {
            emit viewModel.internetPingStatsChanged(viewModel.internetPingStats());
            emit viewModel.connectionQualityChanged(viewModel.connectionQuality());
        }
        if (second % 10 == 0)
            emit viewModel.captivePortalStatusChanged(viewModel.captivePortalStatus());
    }
    spinFor(std::chrono::milliseconds(300));
    EXPECT_TRUE(listener.counts.isEmpty()) << listener.counts.size();

    // A change sends one signal for each thing it changes, and only for those.
    f.settings.setIconValueMode(IconValueMode::on);
    ASSERT_TRUE(waitUntil([&] { return listener.counts.value(QStringLiteral("NewIcon")) == 1; }));
    spinFor(std::chrono::milliseconds(100));
    EXPECT_EQ(listener.counts.size(), 1);
    f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::icon);
    ASSERT_TRUE(waitUntil([&] { return listener.counts.value(QStringLiteral("XAyatanaNewLabel")) == 1; }));
    spinFor(std::chrono::milliseconds(100));
    EXPECT_EQ(listener.counts.value(QStringLiteral("NewIcon")), 2); // the number gives way to the symbol
    EXPECT_EQ(listener.counts.value(QStringLiteral("NewToolTip")), 1);
}

#include "StatusNotifierTest.moc"
