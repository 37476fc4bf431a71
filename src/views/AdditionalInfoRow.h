#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

#include <vector>

class QToolButton;
class QVBoxLayout;

// "Details" that folds out the link's channel, radio mode, security, SNR and BSSID.
class AdditionalInfoRow final : public QWidget {
    Q_OBJECT

public:
    explicit AdditionalInfoRow(QWidget* parent = nullptr);

    void setDetails(const std::vector<DetailLine>& details);
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    QToolButton* button() const { return m_button; }

private:
    void rebuild();

    QToolButton* m_button = nullptr;
    QWidget* m_list = nullptr;
    QVBoxLayout* m_rows = nullptr;
    std::vector<DetailLine> m_details;
    bool m_expanded = false;
};
