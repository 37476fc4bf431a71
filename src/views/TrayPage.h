#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The onboarding page about the panel's tray, where the program lives: whether a tray shows it, and
// if not, what the desktop needs. It follows a tray that appears while it is on screen.
class TrayPage final : public QWidget {
    Q_OBJECT

public:
    enum class Advice {
        shown,          // a tray shows the item
        gnomeExtension, // GNOME without its AppIndicator extension
        panelNeedsTray, // another desktop whose panel has no status tray
    };

    static Advice adviceFor(bool trayShown, const QString& currentDesktop);

    TrayPage(bool trayShown, QString currentDesktop, QWidget* parent = nullptr);

    Advice advice() const { return m_advice; }
    void setTrayShown(bool shown);

private:
    QString m_currentDesktop;
    Advice m_advice = Advice::shown;
    QLabel* m_symbol = nullptr;
    QLabel* m_text = nullptr;
    QLabel* m_command = nullptr;
    QWidget* m_confirmation = nullptr;
};
