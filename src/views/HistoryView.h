#pragma once

#include <QWidget>

#include <vector>

class HistoryChart;
class HistoryPresenter;
class QAbstractButton;

// The history window's page: the range switch (24 hours, 7 days, 30 days), the chart of that range
// ending now, its legend, and the export of the rows it shows.
class HistoryView final : public QWidget {
    Q_OBJECT

public:
    explicit HistoryView(HistoryPresenter& presenter, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render();

    HistoryPresenter& m_presenter;
    HistoryChart* m_chart = nullptr;
    std::vector<QAbstractButton*> m_rangeButtons;
};
