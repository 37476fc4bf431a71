#include "views/AboutView.h"
#include "views/HelpView.h"

#include "core/BuildInfo.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The bold passages of rich text as a reader sees them.
QStringList boldPassages(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QStringList passages;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                passages << it.fragment().text();
    return passages;
}

QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

TEST(HelpView, OpensOnOverviewWithTheSixTopicsInOrder) {
    HelpView view;
    ASSERT_EQ(view.selectedTopic(), HelpTopic::overview);
    ASSERT_EQ(view.sidebar()->count(), 6);
    EXPECT_EQ(view.sidebar()->item(0)->text(), "Overview");
    EXPECT_EQ(view.sidebar()->item(2)->text(), "Latency & Ping");
    EXPECT_EQ(view.sidebar()->item(5)->text(), "Troubleshooting");
    EXPECT_FALSE(view.sidebar()->item(5)->icon().isNull());
    EXPECT_EQ(boldPassages(view.contentLabel()->text()),
              (QStringList{"Status View", "Diagnostics View", "Panel"}));
    EXPECT_EQ(view.shownTips().size(), 2);
}

TEST(HelpView, TroubleshootingShowsFourBoldHeadingsAndTwoTips) {
    HelpView view;
    view.sidebar()->setCurrentRow(5);
    EXPECT_EQ(view.selectedTopic(), HelpTopic::troubleshooting);
    EXPECT_EQ(boldPassages(view.contentLabel()->text()),
              (QStringList{"Slow Connection", "Intermittent Disconnections", "High Latency",
                           "Can't See Network Name"}));
    const QString shown = plainText(view.contentLabel()->text());
    EXPECT_TRUE(shown.contains("1. Check signal strength - move closer to router\n2. Switch to 5 GHz"));
    EXPECT_FALSE(shown.contains("**"));
    EXPECT_EQ(view.shownTips(), (QStringList{"Restart your router if you haven't in a while",
                                             "Check if the issue affects all devices or just one"}));
}

TEST(HelpView, RichTextKeepsEverythingButThePairedMarkers) {
    // Bold in the middle of a bullet line, markup-looking text and a marker without a partner.
    const QString html = HelpView::richText("• **Router Ping**: <b>1 & 2</b>\nends with ** alone");
    EXPECT_EQ(boldPassages(html), QStringList{"Router Ping"});
    EXPECT_EQ(plainText(html), "• Router Ping: <b>1 & 2</b>\nends with ** alone");
}

TEST(AboutView, ShowsTheBuildsVersionAndFallsBackWhenItHasNone) {
    AboutView view(true);
    auto* version = view.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(),
              QStringLiteral("Version %1 (%2)").arg(build_info::version, build_info::buildNumber));
    EXPECT_EQ(AboutView::versionLine("", ""), "Version 1.0 (1)");
    EXPECT_EQ(AboutView::versionLine("2.3", ""), "Version 2.3 (1)");
}

TEST(AboutView, ABuildWithoutAnUpdateFeedPointsAtThePackageManager) {
    const AboutView packaged(false);
    const auto* updates = packaged.findChild<QLabel*>(QStringLiteral("updates"));
    ASSERT_NE(updates, nullptr);
    EXPECT_EQ(updates->text(), "Updates come with your package manager");
    EXPECT_EQ(AboutView(true).findChild<QLabel*>(QStringLiteral("updates")), nullptr);
}
