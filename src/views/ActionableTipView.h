#pragma once

#include "viewmodel/StatusPresenter.h"

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// The status view's tip: a header that expands to the description, the action and, for a known
// router, a button to its settings page.
class ActionableTipView final : public QFrame {
    Q_OBJECT

public:
    explicit ActionableTipView(const StatusTipScreen& tip, QWidget* parent = nullptr);

    void setExpanded(bool expanded);

signals:
    void openAdminPage(const QString& address);

private:
    bool m_isExpanded = false;
    QToolButton* m_header = nullptr;
    QLabel* m_chevron = nullptr;
    QWidget* m_details = nullptr;
    QPushButton* m_adminButton = nullptr;
};
