#include "views/DNSPresetPicker.h"

#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {
// A push button sizes itself by its own text, which these rows leave empty; their labels decide.
class PresetRow final : public QPushButton {
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override { return layout() ? layout()->totalSizeHint() : QPushButton::sizeHint(); }
    QSize minimumSizeHint() const override { return sizeHint(); }
};
} // namespace

DNSPresetPicker::DNSPresetPicker(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("dnsPresetPicker"));
    styleBox(this, Colour::windowBackground, 1.0, Radius::control, Tone::gray, 0.3);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(padding(Space::xs));
    column->setSpacing(Space::xxs);

    const QString rowSheet =
        // The sheet takes away the style's focus frame, so a focused row draws its own.
        QStringLiteral("QPushButton { background: %1; border: none; border-radius: %3px; text-align: left; }"
                       " QPushButton:hover { background: %2; }"
                       " QPushButton:focus { border: 2px solid %4; }")
            .arg(Palette::css(Palette::colour(Colour::controlBackground, palette())),
                 Palette::css(Palette::faded(Colour::accent, 0.12, palette())))
            .arg(Radius::badge)
            .arg(Palette::css(palette().color(QPalette::Highlight)));
    for (const DNSPreset preset : allDNSPresets) {
        QPushButton* row = new PresetRow(this);
        row->setObjectName(toQString(rawValue(preset)));
        row->setAccessibleName(translatedText("DNSPreset", rawValue(preset)));
        row->setCursor(Qt::PointingHandCursor);
        row->setStyleSheet(rowSheet);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(padding(Space::m, Space::xs));
        layout->setSpacing(Space::s);
        auto* names = new QVBoxLayout;
        names->setSpacing(Space::none);
        QLabel* name = makeLabel(translatedText("DNSPreset", rawValue(preset)), TextStyle::caption, {}, row);
        QFont medium = name->font();
        medium.setWeight(QFont::Medium);
        name->setFont(medium);
        names->addWidget(name);
        QLabel* about = makeLabel(translatedText("DNSPreset", description(preset)), TextStyle::caption2,
                                  Colour::secondary, row);
        about->setWordWrap(true);
        names->addWidget(about);
        layout->addLayout(names, 1);
        const auto addresses = servers(preset);
        if (!addresses.empty()) {
            QLabel* first = makeLabel(QString::fromStdString(addresses.front()), TextStyle::caption2,
                                      Colour::secondary, row);
            first->setFont(monospacedFont(TextStyle::caption2, first->font()));
            layout->addWidget(first, 0, Qt::AlignVCenter);
        }
        for (QLabel* label : row->findChildren<QLabel*>())
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(row, &QPushButton::clicked, this, [this, preset] { emit selected(preset); });
        column->addWidget(row);
        m_rows.push_back(row);
    }
}

void DNSPresetPicker::setChanging(bool changing) {
    for (QPushButton* row : m_rows)
        row->setEnabled(!changing);
}
