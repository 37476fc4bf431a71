#include "views/NoInternetBanner.h"

#include "views/kit/Banner.h"

#include <QLabel>

NoInternetBanner::NoInternetBanner(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("noInternetBanner"));
    m_message = makeBanner(this, QStringLiteral("wifi.slash"), tr("No Internet Connection"), Tone::red);
}

void NoInternetBanner::setMessage(const QString& message) {
    m_message->setText(message);
}
