#pragma once

#include "views/StatusView.h"

#include <QObject>

#include <memory>

class AppSettings;
class LinkmeterViewModel;
class MainPopoverView;
class NotificationService;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The tray item and its popover. Without a tray on the desktop, the popover opens as a small
// normal window so the program is usable everywhere.
class TrayController final : public QObject {
    Q_OBJECT

public:
    TrayController(LinkmeterViewModel& viewModel, StatusView::Services services,
                   NotificationService& notifications, bool trayAvailable, QObject* parent = nullptr);
    ~TrayController() override;

    bool hasTray() const { return m_tray != nullptr; }
    QWidget* popover() const;
    MainPopoverView* popoverView() const { return m_view; }
    void showPopover();

signals:
    void popoverShown();
    void settingsRequested();
    void helpRequested();
    void aboutRequested();
    void quitRequested();

private:
    void togglePopover();
    void updateLabel();

    LinkmeterViewModel& m_viewModel;
    AppSettings& m_settings;
    std::unique_ptr<QWidget> m_window;
    MainPopoverView* m_view = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_tray = nullptr;
};
