#include "views/PermissionPromptView.h"

#include "views/kit/Box.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Metrics;

PermissionPromptView::PermissionPromptView(const QString& icon, Tone iconTone, const QString& message,
                                           const QString& buttonText, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("permissionPrompt"));
    QHBoxLayout* row = makeBoxRow(this, {.background = Tone::gray,
                                         .opacity = 0.12,
                                         .radius = Radius::box,
                                         .padding = padding(Space::mPlus, Space::m),
                                         .spacing = Space::m});
    row->addWidget(makeSymbolLabel(icon, iconTone, SymbolSize::l, this));
    auto* text = makeLabel(message, TextStyle::caption, {}, this);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    m_button = new QPushButton(buttonText, this);
    row->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &PermissionPromptView::triggered);
}
