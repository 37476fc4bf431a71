#include "views/CaptivePortalBanner.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CaptivePortalBanner::CaptivePortalBanner(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("captivePortalBanner"));
    styleBox(this, Tone::orange, 0.1, 10, 0.3);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(4);
    auto* head = new QHBoxLayout;
    head->setSpacing(6);
    head->addWidget(makeSymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, 16, this));
    head->addWidget(
        makeLabel(QStringLiteral("Captive Portal Detected"), TextStyle::headline, Tone::orange, this), 1);
    column->addLayout(head);
    auto* text = makeLabel(QStringLiteral("This network requires login. Open a browser to authenticate."),
                           TextStyle::caption, Colour::secondary, this);
    text->setWordWrap(true);
    column->addWidget(text);
    m_loginButton = new QPushButton(
        symbolIcon(QStringLiteral("arrow.up.forward.square"), palette().color(QPalette::ButtonText), 14),
        QStringLiteral("Open Login Page"), this);
    column->addWidget(m_loginButton, 0, Qt::AlignLeft);
    connect(m_loginButton, &QPushButton::clicked, this, &CaptivePortalBanner::openLoginPage);
}
