#include "views/PermissionPromptView.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

PermissionPromptView::PermissionPromptView(const QString& icon, Tone iconTone, const QString& message,
                                           const QString& buttonText, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("permissionPrompt"));
    styleBox(this, Tone::gray, 0.12, 8);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(8);
    row->addWidget(makeSymbolLabel(icon, iconTone, 14, this));
    auto* text = makeLabel(message, TextStyle::caption, {}, this);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    m_button = new QPushButton(buttonText, this);
    row->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &PermissionPromptView::triggered);
}
