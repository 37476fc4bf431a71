#pragma once

#include "views/StatusView.h"

#include <QObject>
#include <QRect>

#include <memory>

class AppSettings;
class LinkmeterViewModel;
class MainPopoverView;
class NotificationService;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class StatusItem;

// The tray item and its popover. A status item that shows text beside the icon is used when the
// desktop offers one; else the plain tray icon, with the text in its tooltip; without any tray the
// popover opens as a small normal window so the program is usable everywhere.
class TrayController final : public QObject {
    Q_OBJECT

public:
    TrayController(LinkmeterViewModel& viewModel, PopoverServices services,
                   NotificationService& notifications, std::unique_ptr<StatusItem> statusItem,
                   bool trayAvailable, QObject* parent = nullptr);
    ~TrayController() override;

    bool hasTray() const { return m_statusItem || m_tray; }
    QWidget* popover() const;
    MainPopoverView* popoverView() const { return m_view; }
    void showPopover();
    // Shows the popover below `anchor`, a point or the tray icon's area on screen.
    void showPopoverAt(QRect anchor);

signals:
    void popoverShown();
    void historyRequested();
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
    std::unique_ptr<StatusItem> m_statusItem;
    QSystemTrayIcon* m_tray = nullptr;
};
