#include "views/CaptivePortalBanner.h"

#include "views/kit/Banner.h"
#include "views/kit/Buttons.h"
#include "views/kit/Metrics.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CaptivePortalBanner::CaptivePortalBanner(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("captivePortalBanner"));
    QLabel* text = makeBanner(this, QStringLiteral("exclamationmark.triangle.fill"),
                              QStringLiteral("Captive Portal Detected"), Tone::orange);
    text->setText(QStringLiteral("This network requires login. Open a browser to authenticate."));
    m_loginButton =
        new QPushButton(buttonSymbol(QStringLiteral("arrow.up.forward.square"), this, Metrics::SymbolSize::l),
                        QStringLiteral("Open Login Page"), this);
    static_cast<QVBoxLayout*>(layout())->addWidget(m_loginButton, 0, Qt::AlignLeft);
    connect(m_loginButton, &QPushButton::clicked, this, &CaptivePortalBanner::openLoginPage);
}
