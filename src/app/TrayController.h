#pragma once

#include "app/ShellServices.h"
#include "views/AppActions.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>
#include <optional>

class DiagnosticsPresenter;
class LinkmeterViewModel;
class MainPopoverView;
class NotificationService;
class QMenu;
class QSystemTrayIcon;
class QWidget;
class StatusItem;
class StatusPresenter;
class TrayLabelPresenter;
class UpdateService;

// Where the popover goes: centred below `anchor`, above it when there is no room below, and kept
// inside `area`.
QPoint popoverTopLeft(QRect anchor, QSize popover, QRect area);

// The tray item and its popover. The panel's own item (text beside the icon, a menu the panel draws)
// is used whenever a panel shows it; else the plain tray icon; without any tray the popover is a small
// normal window, and closing it ends the program. When a panel appears later, the program moves into
// it and the window goes.
class TrayController final : public QObject {
    Q_OBJECT

public:
    enum class Presence { panel, systemTray, window };

    TrayController(LinkmeterViewModel& viewModel, ShellServices services, NotificationService& notifications,
                   std::unique_ptr<StatusItem> statusItem, bool systemTrayAvailable,
                   QObject* parent = nullptr);
    ~TrayController() override;

    Presence presence() const { return m_presence; }
    bool hasTray() const { return m_presence != Presence::window; }
    QWidget* popover() const;
    MainPopoverView* popoverView() const { return m_view; }
    // The menu the tray offers, as the panel or the plain tray icon shows it.
    QMenu* menu() const { return m_menu.get(); }
    void showPopover();
    // Shows the popover below `anchor`, a point or the tray icon's area on screen.
    void showPopoverAt(QRect anchor);
    void showDiagnostics();

signals:
    void popoverShown();
    // An entry of the tray's menu or of the popover's menus.
    void actionTriggered(AppAction action);
    // Without a tray, the user closed the program's only window.
    void windowClosed();
    void presenceChanged(TrayController::Presence presence);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void togglePopoverAt(QPoint at);
    Presence choosePresence() const;
    void setPresence(Presence presence);
    void updateLabel();
    void showLabelInSystemTray();
    void updateMenu();
    void triggerNamed(const QString& name);

    LinkmeterViewModel& m_viewModel;
    UpdateService& m_updates;
    std::unique_ptr<StatusPresenter> m_statusPresenter;
    std::unique_ptr<DiagnosticsPresenter> m_diagnosticsPresenter;
    std::unique_ptr<QWidget> m_window;
    MainPopoverView* m_view = nullptr;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<QSystemTrayIcon> m_systemTray;
    bool m_systemTrayAvailable;
    Presence m_presence = Presence::window;
    // As set by us; Qt adds flags of its own to what the window reports.
    Qt::WindowFlags m_windowFlags;
    // Says when the label changes, so an unchanged reading is not drawn and sent again.
    std::unique_ptr<TrayLabelPresenter> m_label;
};
