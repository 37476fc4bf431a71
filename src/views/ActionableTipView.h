#pragma once

#include "diagnosis/RouterBrand.h"
#include "diagnosis/Tip.h"

#include <QFrame>

#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

// The status view's tip: a header that expands to the description, the action and, for a known
// router, a button to its settings page.
class ActionableTipView final : public QFrame {
    Q_OBJECT

public:
    ActionableTipView(const Tip& tip, std::optional<RouterBrand> brand, QWidget* parent = nullptr);

    bool isExpanded() const { return m_isExpanded; }
    void setExpanded(bool expanded);
    QToolButton* header() const { return m_header; }
    // Null when the brand has no settings page.
    QPushButton* adminButton() const { return m_adminButton; }

signals:
    void openAdminPage(const QString& address);

private:
    bool m_isExpanded = false;
    QToolButton* m_header = nullptr;
    QLabel* m_chevron = nullptr;
    QWidget* m_details = nullptr;
    QPushButton* m_adminButton = nullptr;
};
