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
                              tr("Captive Portal Detected"), Tone::orange);
    text->setText(tr("This network requires login. Open a browser to authenticate."));
    auto* loginButton =
        new QPushButton(buttonSymbol(QStringLiteral("arrow.up.forward.square"), this, Metrics::SymbolSize::l),
                        tr("Open Login Page"), this);
    static_cast<QVBoxLayout*>(layout())->addWidget(loginButton, 0, Qt::AlignLeft);
    connect(loginButton, &QPushButton::clicked, this, &CaptivePortalBanner::openLoginPage);
}
