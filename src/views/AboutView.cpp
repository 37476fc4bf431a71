#include "views/AboutView.h"

#include "core/BuildInfo.h"
#include "views/FeatureRow.h"
#include "views/kit/AppIcon.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

using namespace Metrics;

QString AboutView::versionLine(std::string_view version, std::string_view build) {
    return tr("Version %1 (%2)")
        .arg(version.empty() ? QStringLiteral("1.0") : toQString(version),
             build.empty() ? QStringLiteral("1") : toQString(build));
}

AboutView::AboutView(bool selfUpdating, QWidget* parent) : QWidget(parent) {
    setFixedWidth(Size::aboutWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Padding::about);
    column->setSpacing(Space::mPlus);

    column->addWidget(makeAppIcon(this), 0, Qt::AlignHCenter);
    column->addSpacing(Space::xs);

    column->addWidget(makeLabel(QStringLiteral("Linkmeter"), TextStyle::title, {}, this), 0,
                      Qt::AlignHCenter);
    auto* version = makeLabel(versionLine(build_info::version, build_info::buildNumber), TextStyle::caption,
                              Colour::secondary, this);
    version->setObjectName(QStringLiteral("version"));
    column->addWidget(version, 0, Qt::AlignHCenter);
    if (!selfUpdating) {
        auto* updates = makeLabel(QString::fromLatin1(packageManagerUpdates), TextStyle::caption,
                                  Colour::secondary, this);
        updates->setObjectName(QStringLiteral("updates"));
        column->addWidget(updates, 0, Qt::AlignHCenter);
    }

    column->addSpacing(Space::xs);
    column->addWidget(new Divider(this));
    QWidget* features = FeatureRow::list(
        {{QStringLiteral("antenna.radiowaves.left.and.right"), Tone::blue, tr("Real-time signal monitoring")},
         {QStringLiteral("clock"), Tone::orange, tr("Latency & packet loss tracking")},
         {QStringLiteral("chart.bar"), Tone::green, tr("Network analysis & recommendations")},
         {QStringLiteral("bell.badge"), Tone::purple, tr("Smart connection alerts")}},
        this);
    features->layout()->setContentsMargins(padding(Space::xxs, Space::xs));
    column->addWidget(features);
    column->addWidget(new Divider(this));

    for (const QString& line : {tr("Built with Qt"), tr("Made for the Linux desktop")}) {
        auto* label = makeLabel(line, TextStyle::caption, Colour::secondary, this);
        label->setAlignment(Qt::AlignHCenter);
        column->addWidget(label);
    }
}

void AboutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette palette = this->palette();
    painter.fillRect(rect(), palette.color(QPalette::Window));
    QLinearGradient wash(0, 0, 0, height());
    wash.setColorAt(0, Palette::faded(Tone::blue, 0.10, palette));
    wash.setColorAt(1, Palette::faded(Tone::cyan, 0.05, palette));
    painter.fillRect(rect(), wash);
}
