#pragma once

#include "viewmodel/UpdateBannerPresenter.h"

#include <QFrame>

class ActivityIndicator;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The status view's card for the program's own updates: offers a newer release, shows the download's
// progress, then offers the relaunch. Hidden while there is nothing to say; never shows errors (a
// failed download simply offers the update again).
class UpdateBanner final : public QFrame {
    Q_OBJECT

public:
    explicit UpdateBanner(UpdateBannerPresenter& presenter, QWidget* parent = nullptr);

private:
    QWidget* makeAvailablePage();
    QWidget* makeDownloadingPage();
    QWidget* makeReadyPage();
    void refresh();

    UpdateBannerPresenter& m_presenter;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_availablePage = nullptr;
    QWidget* m_downloadingPage = nullptr;
    QWidget* m_readyPage = nullptr;
    QLabel* m_availableTitle = nullptr;
    QLabel* m_releaseNotes = nullptr;
    QPushButton* m_updateButton = nullptr;
    QToolButton* m_dismissButton = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_percent = nullptr;
    ActivityIndicator* m_activity = nullptr;
    QPushButton* m_relaunchButton = nullptr;
};
