#include "reports/ExportService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "system/qt/GuiClipboard.h"
#include "views/WidgetSnapshot.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

TEST(Screenshot, ARealWidgetReachesTheClipboardAtTwicePixelDensity) {
    QWidget view;
    auto* layout = new QVBoxLayout(&view);
    layout->addWidget(new QLabel(QStringLiteral("Excellent")));
    view.setFixedWidth(320);

    FakeSaveDialog dialog;
    GuiClipboard clipboard;
    ManualClock clock;
    ExportService service(dialog, clipboard, clock);
    ASSERT_TRUE(service.copyScreenshot([&](double scale) { return renderWidget(view, scale); }));

    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.width(), 640);
    EXPECT_EQ(copied.height(), view.height() * 2);
    // Something was drawn: not every pixel is the same.
    const QImage plain = copied.convertToFormat(QImage::Format_RGB32);
    bool varies = false;
    for (int y = 0; y < plain.height() && !varies; ++y)
        for (int x = 0; x < plain.width() && !varies; ++x)
            varies = plain.pixel(x, y) != plain.pixel(0, 0);
    EXPECT_TRUE(varies);
}
