#pragma once

#include <QString>
#include <QWidget>

#include "core/Tone.h"
#include <optional>

class QLabel;
class QPushButton;

// An onboarding page that asks for one permission: a symbol and text that follow whether it is
// granted, and either a button that asks for it or a confirmation.
class PermissionPage : public QWidget {
    Q_OBJECT

public:
    struct Texts {
        QString grantedSymbol;
        QString missingSymbol;
        Tone missingTone;
        QString title;
        QString text;
        QString granted;
        QString request;
    };

    PermissionPage(Texts texts, bool isAuthorized, QWidget* parent = nullptr);

    bool isAuthorized() const { return m_isAuthorized; }
    void setAuthorized(bool authorized);
    // What came of the last request when it was refused; shown under the button until granted.
    void setProblem(const std::optional<QString>& problem);
    const QLabel* problemLabel() const { return m_problem; }
    QPushButton* requestButton() const { return m_request; }
    // The confirmation shown once granted.
    QWidget* confirmation() const { return m_confirmation; }

signals:
    // onRequest: the user asked to grant the permission.
    void requested();

private:
    Texts m_texts;
    bool m_isAuthorized = false;
    QLabel* m_symbol = nullptr;
    QPushButton* m_request = nullptr;
    QWidget* m_confirmation = nullptr;
    QLabel* m_problem = nullptr;
};
