#pragma once

#include <QObject>
#include <QString>

#include <memory>

class LinkmeterViewModel;
class PopoverView;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The tray item and its popover. Without a tray on the desktop, the popover opens as a small
// normal window at launch so the program is usable everywhere.
class TrayController final : public QObject {
    Q_OBJECT

public:
    explicit TrayController(LinkmeterViewModel& viewModel, QObject* parent = nullptr);
    ~TrayController() override;

    bool hasTray() const { return m_tray != nullptr; }
    QWidget* popover() const;
    void showPopover();

signals:
    void quitRequested();

private:
    void togglePopover();
    void updateIcon();

    LinkmeterViewModel& m_viewModel;
    std::unique_ptr<QWidget> m_window;
    PopoverView* m_view = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_tray = nullptr;
    QString m_iconName;
};
