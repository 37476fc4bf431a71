#pragma once

#include "core/PingStatistics.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class PingCard;

// The router and the internet ping cards, router first.
class DiagnosticsView final : public QWidget {
    Q_OBJECT

public:
    // The address the internet card pings.
    static constexpr const char* internetTarget = "1.1.1.1";

    explicit DiagnosticsView(QWidget* parent = nullptr);

    void setRouter(const std::optional<std::string>& gatewayIP, const PingStatistics& stats,
                   const std::vector<double>& history);
    void setInternet(const PingStatistics& stats, const std::vector<double>& history);

    PingCard* routerCard() const { return m_router; }
    PingCard* internetCard() const { return m_internet; }

private:
    PingCard* m_router = nullptr;
    PingCard* m_internet = nullptr;
};
