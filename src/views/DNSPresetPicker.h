#pragma once

#include "probes/DNSPreset.h"

#include <QFrame>

#include <vector>

class QPushButton;

// The DNS presets to switch to, one row each in their offering order.
class DNSPresetPicker final : public QFrame {
    Q_OBJECT

public:
    explicit DNSPresetPicker(QWidget* parent = nullptr);

    // While a change is under way the rows take no further choice.
    void setChanging(bool changing);

signals:
    void selected(DNSPreset preset);

private:
    std::vector<QPushButton*> m_rows;
};
