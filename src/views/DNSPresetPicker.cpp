#include "views/DNSPresetPicker.h"

#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A push button sizes itself by its own text, which these rows leave empty; their labels decide.
class PresetRow final : public QPushButton {
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override { return layout() ? layout()->totalSizeHint() : QPushButton::sizeHint(); }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}
} // namespace

DNSPresetPicker::DNSPresetPicker(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("dnsPresetPicker"));
    styleBox(this, Colour::windowBackground, 1.0, 6);
    // The border in gray at reduced opacity, on top of the window-coloured box.
    setStyleSheet(styleSheet().replace(QStringLiteral("border: none;"),
                                       QStringLiteral("border: 1px solid %1;")
                                           .arg(Palette::css(Palette::faded(Tone::gray, 0.3, palette())))));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);

    const QString rowSheet =
        QStringLiteral("QPushButton { background: %1; border: none; border-radius: 4px; text-align: left; }"
                       " QPushButton:hover { background: %2; }")
            .arg(Palette::css(Palette::colour(Colour::controlBackground, palette())),
                 Palette::css(Palette::faded(Colour::accent, 0.12, palette())));
    for (const DNSPreset preset : allDNSPresets) {
        QPushButton* row = new PresetRow(this);
        row->setObjectName(text(rawValue(preset)));
        row->setAccessibleName(text(rawValue(preset)));
        row->setCursor(Qt::PointingHandCursor);
        row->setStyleSheet(rowSheet);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(8, 4, 8, 4);
        layout->setSpacing(6);
        auto* names = new QVBoxLayout;
        names->setSpacing(0);
        QLabel* name = makeLabel(text(rawValue(preset)), TextStyle::caption, {}, row);
        QFont medium = name->font();
        medium.setWeight(QFont::Medium);
        name->setFont(medium);
        names->addWidget(name);
        names->addWidget(makeLabel(text(description(preset)), TextStyle::caption2, Colour::secondary, row));
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
