#pragma once

#include <QPushButton>

// One choice of a band filter: caption text on a rounded box, accent-tinted while selected.
class BandFilterButton final : public QPushButton {
    Q_OBJECT

public:
    explicit BandFilterButton(const QString& title, QWidget* parent = nullptr);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

private:
    void restyle();

    bool m_selected = false;
};
