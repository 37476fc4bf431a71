#include "app/LinkmeterApp.h"
#include "app/TrayController.h"
#include "platform/linux/StatusNotifierItem.h"
#include "support/PrivateBus.h"
#include "support/StatusFixture.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QMutex>
#include <QThread>
#include <QWidget>

namespace {

// A panel's watcher: records the items announced to it. Lives on its own thread, as it would in
// its own process, so the item's blocking announcement gets its answer.
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

// Collects the label signals the item sends.
class LabelListener final : public QObject {
    Q_OBJECT

public:
    QStringList labels;

public slots:
    void newLabel(const QString& label, const QString&) { labels << label; }
};

class StatusNotifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address.isEmpty());
        panel = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address, QStringLiteral("panel")));
        program = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address, QStringLiteral("program")));
        watcher.moveToThread(&watcherThread);
        watcherThread.start();
        ASSERT_TRUE(panel->registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                          QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(panel->registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }

    void TearDown() override {
        watcherThread.quit();
        watcherThread.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }

    // Asks without blocking: the item answers from this very thread.
    QDBusMessage ask(const QString& service, const QString& interface, const QString& method,
                     const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, QLatin1String(StatusNotifierItem::objectPath), interface, method);
        call.setArguments(arguments);
        QDBusPendingCall pending = panel->asyncCall(call);
        EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }));
        return pending.reply();
    }

    QVariant property(const QString& service, const QString& name) {
        const QDBusMessage reply =
            ask(service, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                {QStringLiteral("org.kde.StatusNotifierItem"), name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    PrivateBus bus;
    std::unique_ptr<QDBusConnection> panel;
    std::unique_ptr<QDBusConnection> program;
    FakeWatcher watcher;
    QThread watcherThread;
};

} // namespace

TEST_F(StatusNotifierTest, NoWatcherMeansNoItem) {
    ASSERT_TRUE(panel->unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    EXPECT_EQ(StatusNotifierItem::create(*program), nullptr);
}

TEST_F(StatusNotifierTest, TheItemCarriesTheLabelAndOpensThePopover) {
    auto item = StatusNotifierItem::create(*program);
    ASSERT_NE(item, nullptr);
    const QString service = item->serviceName();
    EXPECT_EQ(watcher.registered(), QStringList{service});
    LabelListener listener;
    ASSERT_TRUE(panel->connect(
        service, QLatin1String(StatusNotifierItem::objectPath), QStringLiteral("org.kde.StatusNotifierItem"),
        QStringLiteral("XAyatanaNewLabel"), &listener, SLOT(newLabel(QString, QString))));

    StatusFixture f;
    f.settings.setHasCompletedOnboarding(true);
    f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::quality);
    LinkmeterViewModel viewModel(f.services());
    LinkmeterApp app(viewModel, f.statusServices(), f.notifications, f.location, std::move(item), false,
                     f.timeline);
    // A status item is a tray: nothing opens at launch.
    EXPECT_FALSE(app.tray().popover()->isVisible());

    EXPECT_EQ(property(service, QStringLiteral("XAyatanaLabel")).toString(), "0");
    const auto toolTip = qdbus_cast<StatusNotifierToolTip>(property(service, QStringLiteral("ToolTip")));
    EXPECT_EQ(toolTip.text, "Linkmeter: 0");
    const auto pixmaps = qdbus_cast<StatusNotifierPixmaps>(property(service, QStringLiteral("IconPixmap")));
    ASSERT_FALSE(pixmaps.isEmpty());
    EXPECT_EQ(pixmaps.front().pixels.size(), pixmaps.front().width * pixmaps.front().height * 4);

    f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::icon);
    EXPECT_EQ(property(service, QStringLiteral("XAyatanaLabel")).toString(), "");
    EXPECT_TRUE(waitUntil([&] { return listener.labels.contains(QString()); }));

    const QDBusMessage reply =
        ask(service, QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"), {0, 0});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(app.tray().popover()->isVisible());
}

#include "StatusNotifierTest.moc"
