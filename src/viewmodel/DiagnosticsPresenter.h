#pragma once

#include "viewmodel/DiagnosticsState.h"

#include <QImage>
#include <QObject>

#include <functional>

class ExportService;
class LinkmeterViewModel;

// The diagnostics page's measurements, followed from the view model, and the page's actions.
class DiagnosticsPresenter final : public QObject {
    Q_OBJECT

public:
    explicit DiagnosticsPresenter(ExportService& exporter, QObject* parent = nullptr);

    // Follows the view model from now on and runs the page's actions through it.
    void bind(LinkmeterViewModel& viewModel);
    // Shows these measurements until the view model next changes one.
    void setScreen(DiagnosticsState screen);

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
    // Copies the picture `render` draws of the page at a scale; false when nothing was copied.
    bool copyScreenshot(const std::function<QImage(const DiagnosticsState& state, double scale)>& render);

signals:
    // Only when something the page shows changed.
    void changed();

private:
    void recompute();

    ExportService& m_exporter;
    LinkmeterViewModel* m_viewModel = nullptr;
    DiagnosticsState m_screen;
};
