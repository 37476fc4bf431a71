#include "system/linux/AutostartLoginItem.h"
#include "core/LoginItemController.h"
#include "support/MemoryPreferencesStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AutostartLoginItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_savedConfig); }

    void writeEntry(const QByteArray& contents) {
        QDir().mkpath(dir.filePath("autostart"));
        QFile file(dir.filePath("autostart/linkmeter.desktop"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir dir;

private:
    QByteArray m_savedConfig;
};

TEST_F(AutostartLoginItemTest, RegisterWritesAnEntryThatUnregisterRemoves) {
    AutostartLoginItem item("/opt/link meter/bin/linkmeter");
    EXPECT_EQ(item.entryPath(), dir.filePath("autostart/linkmeter.desktop"));
    EXPECT_FALSE(item.isEnabled());

    EXPECT_EQ(item.registerItem(), std::nullopt);
    EXPECT_TRUE(item.isEnabled());
    QFile file(item.entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    EXPECT_TRUE(contents.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(contents.contains("\nExec=\"/opt/link meter/bin/linkmeter\"\n"));
    EXPECT_TRUE(contents.contains("\nType=Application\n"));

    EXPECT_EQ(item.unregisterItem(), std::nullopt);
    EXPECT_FALSE(item.isEnabled());
    EXPECT_EQ(item.unregisterItem(), std::nullopt); // nothing left to remove is not a failure
}

TEST_F(AutostartLoginItemTest, EntriesSwitchedOffByTheDesktopCountAsDisabled) {
    AutostartLoginItem item("/usr/bin/linkmeter");
    writeEntry("[Desktop Entry]\nType=Application\nExec=linkmeter\nHidden=true\n");
    EXPECT_FALSE(item.isEnabled());
    writeEntry("[Desktop Entry]\nExec=linkmeter\nX-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(item.isEnabled());
    writeEntry("[Desktop Entry]\nExec=linkmeter\n[Other]\nHidden=true\n");
    EXPECT_TRUE(item.isEnabled());
}

TEST(AutostartExecValueTest, QuotesAndEscapesReservedCharacters) {
    EXPECT_EQ(AutostartLoginItem::execValue("/usr/bin/linkmeter"), "\"/usr/bin/linkmeter\"");
    // Quoting escapes " ` $ \ with a backslash; string escaping then doubles each backslash.
    EXPECT_EQ(AutostartLoginItem::execValue("/a\"b`c$d\\e"), "\"/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e\"");
    EXPECT_EQ(AutostartLoginItem::execValue("/100%/x"), "\"/100%%/x\"");
}

TEST_F(AutostartLoginItemTest, FailedRegistrationLeavesTheSwitchOff) {
    // A file where the configuration folder should be: the autostart folder cannot be created.
    QFile blocker(dir.filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());

    AutostartLoginItem item("/usr/bin/linkmeter");
    const auto error = item.registerItem();
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(dir.filePath("config/autostart"))) << error->toStdString();

    MemoryPreferencesStore store;
    LoginItemController launchAtLogin(store, item);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(launchAtLogin.setLaunchAtLogin(true));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "Failed to set launch at login: " + error->toStdString() + "\n");
    EXPECT_FALSE(launchAtLogin.launchAtLogin());
    EXPECT_FALSE(store.contains("launchAtLogin"));
    EXPECT_FALSE(launchAtLogin.launchAtLoginEnabled());
}

} // namespace
