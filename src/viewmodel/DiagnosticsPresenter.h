#pragma once

#include "viewmodel/DiagnosticsState.h"

#include <QObject>

class LinkmeterViewModel;

// The diagnostics page's measurements, followed from the view model, and the page's actions.
class DiagnosticsPresenter final : public QObject {
    Q_OBJECT

public:
    explicit DiagnosticsPresenter(LinkmeterViewModel& viewModel, QObject* parent = nullptr);

    const DiagnosticsState& screen() const { return m_screen; }

    void startMonitoring();
    void stopMonitoring();
    void copySummary();
    // Each export's own dialog reports what happened; the page has nothing to add.
    void exportReport();
    void exportHistory();
    void requestLocation();
    void openLoginPage();
    void runSpeedTest();
    void cancelSpeedTest();

signals:
    // Only when something the page shows changed.
    void changed();

private:
    void recompute();

    LinkmeterViewModel& m_viewModel;
    DiagnosticsState m_screen;
};
