#include "views/NoInternetBanner.h"

#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

NoInternetBanner::NoInternetBanner(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("noInternetBanner"));
    styleBox(this, Tone::red, 0.1, 10, 0.3);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(4);
    auto* head = new QHBoxLayout;
    head->setSpacing(6);
    head->addWidget(makeSymbolLabel(QStringLiteral("wifi.slash"), Tone::red, 16, this));
    head->addWidget(makeLabel(QStringLiteral("No Internet Connection"), TextStyle::headline, Tone::red, this),
                    1);
    column->addLayout(head);
    m_message = makeLabel({}, TextStyle::caption, Colour::secondary, this);
    m_message->setWordWrap(true);
    column->addWidget(m_message);
}

void NoInternetBanner::setMessage(const QString& message) {
    m_message->setText(message);
}
