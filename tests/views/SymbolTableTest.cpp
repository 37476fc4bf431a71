#include "views/kit/SymbolIcon.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

bool hasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

// Dotted symbol names ("wifi.slash") quoted anywhere in the interface and in the advice it shows.
QSet<QString> dottedNamesInSources() {
    QSet<QString> names;
    const QRegularExpression quoted(QStringLiteral(R"re("([a-z][a-z0-9]*(?:\.[a-z0-9]+)+)")re"));
    for (const QString& folder : {QStringLiteral("views"), QStringLiteral("diagnosis"),
                                  QStringLiteral("viewmodel"), QStringLiteral("app")}) {
        QDirIterator files(QStringLiteral(LINKMETER_SOURCE_DIR "/") + folder, {QStringLiteral("*.cpp")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.endsWith(QLatin1String("SymbolIcon.cpp")))
                continue;
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            auto matches = quoted.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext())
                names.insert(matches.next().captured(1));
        }
    }
    return names;
}

} // namespace

TEST(SymbolTable, EveryNameDrawsSomethingAtBothDensities) {
    ASSERT_GT(symbolNames().size(), 30);
    for (const QString& name : symbolNames()) {
        for (const double ratio : {1.0, 2.0}) {
            const QPixmap pixmap = symbolPixmap(name, Qt::red, 16, ratio);
            ASSERT_FALSE(pixmap.isNull()) << name.toStdString();
            EXPECT_EQ(pixmap.width(), qRound(16 * ratio)) << name.toStdString();
            EXPECT_TRUE(hasInk(pixmap)) << name.toStdString();
        }
    }
    EXPECT_TRUE(symbolIcon(QStringLiteral("no.such.symbol"), Qt::red, 16).isNull());
}

TEST(SymbolTable, EverySymbolNameInTheSourcesIsInTheTable) {
    const QStringList names = symbolNames();
    const QSet<QString> known(names.begin(), names.end());
    const QSet<QString> used = dottedNamesInSources();
    ASSERT_TRUE(used.contains(QStringLiteral("wifi.slash")));
    for (const QString& name : used)
        EXPECT_TRUE(known.contains(name)) << name.toStdString() << " has no picture";
}

TEST(SymbolTable, TheColourIsTheOneAsked) {
    const QImage image = symbolPixmap(QStringLiteral("xmark"), QColor(0, 0, 255), 24, 1.0).toImage();
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; ++y)
        for (int x = 0; x < image.width() && !blue; ++x) {
            const QColor c = image.pixelColor(x, y);
            blue = c.alpha() == 255 && c.blue() > 200 && c.red() < 40 && c.green() < 40;
        }
    EXPECT_TRUE(blue);
}
