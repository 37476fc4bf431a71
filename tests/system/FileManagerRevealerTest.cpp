#include "system/linux/FileManagerRevealer.h"
#include "support/PlatformFakes.h"
#include "support/PrivateBus.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

// Without a file manager on the bus the folder is opened instead (the bus that shows the file is
// exercised by the update tests).
TEST(FileManagerRevealer, OpensTheFolderWhenNoFileManagerAnswers) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.isEmpty());
    QDBusConnection connection = QDBusConnection::connectToBus(bus.address, "revealer");
    RecordingUrlOpener opener;
    {
        FileManagerRevealer revealer(connection, opener);
        revealer.reveal("/home/user/Downloads/Linkmeter-1.2.1.deb");
        EXPECT_TRUE(waitUntil([&] { return !opener.opened.empty(); }));
        EXPECT_EQ(opener.opened, std::vector<QUrl>{QUrl("file:///home/user/Downloads")});
    }
    QDBusConnection::disconnectFromBus("revealer");

    FileManagerRevealer offline(QDBusConnection(QStringLiteral("never-connected")), opener);
    offline.reveal("/tmp/a.deb");
    EXPECT_EQ(opener.opened.back(), QUrl("file:///tmp"));
}
