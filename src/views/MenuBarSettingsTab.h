#pragma once

#include <QWidget>

class AppSettings;
class MenuBarPreview;
class QButtonGroup;
class QComboBox;

// What the tray item shows, and how the popover is laid out, with a live preview.
class MenuBarSettingsTab final : public QWidget {
    Q_OBJECT

public:
    explicit MenuBarSettingsTab(AppSettings& settings, QWidget* parent = nullptr);

    MenuBarPreview* preview() const { return m_preview; }

private:
    AppSettings& m_settings;
    QButtonGroup* m_modes = nullptr;
    MenuBarPreview* m_preview = nullptr;
    QComboBox* m_iconValue = nullptr;
};
