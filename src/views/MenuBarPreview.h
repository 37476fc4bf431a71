#pragma once

#include <QFrame>
#include <QString>

class AppSettings;
class QLabel;

// A live imitation of the tray item with fixed sample values, redrawn whenever the display settings
// change. The text comes from the same function that writes the tray's text, so the two cannot
// disagree.
class MenuBarPreview final : public QFrame {
    Q_OBJECT

public:
    explicit MenuBarPreview(AppSettings& settings, QWidget* parent = nullptr);

    bool showsIcon() const;
    // Empty when no text would be shown.
    QString text() const;

private:
    void refresh();

    AppSettings& m_settings;
    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
};
