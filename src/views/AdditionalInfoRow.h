#pragma once

#include "core/WiFiInfo.h"

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QToolButton;
class QVBoxLayout;

// "Details" that folds out the link's channel, radio mode, security, SNR and BSSID.
class AdditionalInfoRow final : public QWidget {
    Q_OBJECT

public:
    // The rows worth showing for a link, in order, each only when it has a value.
    static std::vector<std::pair<std::string, std::string>> details(const WiFiInfo& wifi);

    explicit AdditionalInfoRow(QWidget* parent = nullptr);

    void setWiFi(const WiFiInfo& wifi);
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    QToolButton* button() const { return m_button; }

private:
    void rebuild();

    QToolButton* m_button = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_rows = nullptr;
    std::vector<std::pair<std::string, std::string>> m_details;
    bool m_expanded = false;
};
