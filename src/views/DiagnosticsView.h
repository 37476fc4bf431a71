#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

class PingCard;

// The router and the internet ping cards, router first.
class DiagnosticsView final : public QWidget {
    Q_OBJECT

public:
    // The address the internet card pings.
    static constexpr const char* internetTarget = "1.1.1.1";

    explicit DiagnosticsView(QWidget* parent = nullptr);

    void setRouter(const QString& target, const PingCardData& card);
    void setInternet(const PingCardData& card);

private:
    PingCard* m_router = nullptr;
    PingCard* m_internet = nullptr;
};
