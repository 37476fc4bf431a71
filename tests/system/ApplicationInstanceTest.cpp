#include "system/linux/ApplicationInstance.h"
#include "support/PrivateBus.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("app.linkmeter.Linkmeter");
const QString kPath = QStringLiteral("/app/linkmeter/Linkmeter");

// A later launch runs in another process; here, on a thread of its own with its own connection, so
// the running copy (this thread) can answer while it waits.
ApplicationInstance::Claim claimFromElsewhere(const std::optional<QString>& address, const QString& socket,
                                              const QString& action) {
    ApplicationInstance::Claim claim = ApplicationInstance::Claim::failed;
    QThread* thread = QThread::create([&] {
        std::optional<QDBusConnection> bus;
        if (address)
            bus = QDBusConnection::connectToBus(*address, QStringLiteral("second"));
        {
            ApplicationInstance second(bus, kName, kPath, socket);
            claim = second.claim(action);
        }
        if (address)
            QDBusConnection::disconnectFromBus(QStringLiteral("second"));
    });
    thread->start();
    EXPECT_TRUE(waitUntil([&] { return thread->isFinished(); }, std::chrono::seconds(10)));
    delete thread;
    return claim;
}

} // namespace

TEST(ApplicationInstance, OnTheBusTheFirstCopyStaysAndLaterLaunchesAskItToShow) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    QTemporaryDir dir;
    QStringList requests;
    {
        ApplicationInstance first(QDBusConnection::connectToBus(bus.address, QStringLiteral("first")), kName,
                                  kPath, dir.filePath("socket"));
        first.activated = [&](const QString& action) { requests << action; };
        ASSERT_EQ(first.claim(), ApplicationInstance::Claim::first);

        EXPECT_EQ(claimFromElsewhere(bus.address, dir.filePath("socket"), {}),
                  ApplicationInstance::Claim::forwarded);
        EXPECT_EQ(claimFromElsewhere(bus.address, dir.filePath("socket"), "history"),
                  ApplicationInstance::Claim::forwarded);
        EXPECT_EQ(requests, (QStringList{QString(), "history"}));

        // The desktop speaks the freedesktop interface directly, for the entry and its actions.
        QDBusConnection desktop = QDBusConnection::connectToBus(bus.address, QStringLiteral("desktop"));
        QDBusMessage call = QDBusMessage::createMethodCall(
            kName, kPath, QStringLiteral("org.freedesktop.Application"), QStringLiteral("ActivateAction"));
        call << QStringLiteral("settings") << QVariantList() << QVariantMap();
        QDBusPendingCall pending = desktop.asyncCall(call);
        ASSERT_TRUE(waitUntil([&] { return pending.isFinished(); }));
        EXPECT_FALSE(pending.isError()) << pending.error().message().toStdString();
        EXPECT_EQ(requests.last(), "settings");
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("first"));
    // Once it is gone, the next launch is the running copy.
    EXPECT_EQ(claimFromElsewhere(bus.address, dir.filePath("socket"), {}), ApplicationInstance::Claim::first);
}

TEST(ApplicationInstance, WithoutABusALocalSocketKeepsOneCopy) {
    QTemporaryDir dir;
    const QString socket = dir.filePath("app.linkmeter.Linkmeter");
    QStringList requests;
    {
        ApplicationInstance first(std::nullopt, kName, kPath, socket);
        first.activated = [&](const QString& action) { requests << action; };
        ASSERT_EQ(first.claim(), ApplicationInstance::Claim::first);
        EXPECT_EQ(claimFromElsewhere(std::nullopt, socket, "diagnostics"),
                  ApplicationInstance::Claim::forwarded);
        ASSERT_TRUE(waitUntil([&] { return requests.size() == 1; }));
        EXPECT_EQ(requests, QStringList{"diagnostics"});
    }

    // A socket file left behind by a copy that crashed does not keep the next one from running.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(stale);
    ASSERT_TRUE(QFile::exists(socket));
    ApplicationInstance next(std::nullopt, kName, kPath, socket);
    EXPECT_EQ(next.claim(), ApplicationInstance::Claim::first);
}
