#include "views/AboutView.h"

#include "core/BuildInfo.h"
#include "views/FeatureRow.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, Palette::faded(Colour::secondary, 0.35, palette));
    line->setPalette(palette);
    return line;
}

} // namespace

QString AboutView::versionLine(std::string_view version, std::string_view build) {
    return QStringLiteral("Version %1 (%2)")
        .arg(version.empty() ? QStringLiteral("1.0") : qText(version),
             build.empty() ? QStringLiteral("1") : qText(build));
}

AboutView::AboutView(bool selfUpdating, QWidget* parent) : QWidget(parent) {
    setFixedWidth(340);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 28, 24, 22);
    column->setSpacing(10);

    auto* icon = new QFrame(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setFixedSize(80, 80);
    // Always white, as an application icon is, in light and dark alike.
    icon->setStyleSheet(
        QStringLiteral("#appIcon { background: rgba(255, 255, 255, 0.9); border-radius: 18px; }"));
    auto* shadow = new QGraphicsDropShadowEffect(icon);
    shadow->setColor(QColor(0, 0, 0, 26));
    shadow->setBlurRadius(10);
    shadow->setOffset(0, 3);
    icon->setGraphicsEffect(shadow);
    auto* iconLayout = new QVBoxLayout(icon);
    auto* symbol = new QLabel(icon);
    symbol->setPixmap(gradientSymbolPixmap(QStringLiteral("network"), QColor(0x00, 0x66, 0xcc),
                                           QColor(0x00, 0xa8, 0xd0), 36, 2.0));
    symbol->setFixedSize(36, 36);
    iconLayout->addWidget(symbol, 0, Qt::AlignCenter);
    column->addWidget(icon, 0, Qt::AlignHCenter);
    column->addSpacing(4);

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

    column->addSpacing(4);
    column->addWidget(divider(this));
    auto* features = new QWidget(this);
    auto* rows = new QVBoxLayout(features);
    rows->setContentsMargins(2, 4, 2, 4);
    rows->setSpacing(8);
    rows->addWidget(new FeatureRow(QStringLiteral("antenna.radiowaves.left.and.right"), Tone::blue,
                                   QStringLiteral("Real-time signal monitoring"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("clock"), Tone::orange,
                                   QStringLiteral("Latency & packet loss tracking"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("chart.bar"), Tone::green,
                                   QStringLiteral("Network analysis & recommendations"), features));
    rows->addWidget(new FeatureRow(QStringLiteral("bell.badge"), Tone::purple,
                                   QStringLiteral("Smart connection alerts"), features));
    column->addWidget(features);
    column->addWidget(divider(this));

    for (const QString& line :
         {QStringLiteral("Built with Qt"), QStringLiteral("Made for the Linux desktop")}) {
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
