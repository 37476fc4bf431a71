#include "views/MenuBarPreview.h"

#include "core/AppSettings.h"
#include "viewmodel/MenuBarText.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Metrics;

namespace {
// The sample state: a 5 ms ping, a score of 92, 12 MB/s down and 3 MB/s up.
MenuBarTextInput sample(const AppSettings& settings) {
    MenuBarTextInput input;
    input.showText = settings.showMenuBarText();
    input.mode = settings.menuBarDisplayMode();
    input.internetLatency = 5.0;
    input.score = 92;
    input.speed = {12'000'000.0, 3'000'000.0};
    return input;
}
} // namespace

MenuBarPreview::MenuBarPreview(AppSettings& settings, QWidget* parent)
    : QFrame(parent), m_settings(settings) {
    setObjectName(QStringLiteral("menuBarPreview"));
    styleBox(this, Tone::gray, 0.2, Radius::badge);
    setMinimumSize(Size::menuBarPreviewMinimum);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::m, Space::xs));
    row->setSpacing(Space::xs);
    // In the text's colour, as the tray draws it.
    m_icon = makeSymbolLabel(QStringLiteral("network"), Colour::text, SymbolSize::l, this);
    row->addWidget(m_icon);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("previewText"));
    QFont font = monospacedFont(TextStyle::callout, m_text->font());
    font.setWeight(QFont::Medium);
    m_text->setFont(font);
    row->addWidget(m_text);

    connect(&settings, &AppSettings::showMenuBarIconChanged, this, &MenuBarPreview::refresh);
    connect(&settings, &AppSettings::showMenuBarTextChanged, this, &MenuBarPreview::refresh);
    connect(&settings, &AppSettings::menuBarDisplayModeChanged, this, &MenuBarPreview::refresh);
    refresh();
}

bool MenuBarPreview::showsIcon() const {
    return !m_icon->isHidden();
}

QString MenuBarPreview::text() const {
    return m_text->isHidden() ? QString() : m_text->text();
}

void MenuBarPreview::refresh() {
    m_icon->setVisible(m_settings.showMenuBarIcon());
    const auto text = menuBarText(sample(m_settings));
    m_text->setText(text ? QString::fromStdString(*text) : QString());
    m_text->setVisible(text.has_value() && !text->empty());
    adjustSize();
}
