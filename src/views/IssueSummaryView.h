#pragma once

#include "viewmodel/StatusPresenter.h"

#include <QFrame>

#include <optional>

class QLabel;

// The headline problem: its symbol and message in its colour, on a faint box of that colour.
class IssueSummaryView final : public QFrame {
    Q_OBJECT

public:
    explicit IssueSummaryView(QWidget* parent = nullptr);

    void setIssue(const IssueSummaryScreen& issue);

private:
    QLabel* m_icon = nullptr;
    QLabel* m_message = nullptr;
    std::optional<IssueSummaryScreen> m_issue;
};
