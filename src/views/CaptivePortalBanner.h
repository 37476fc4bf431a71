#pragma once

#include <QFrame>

class QPushButton;

// Orange banner: the network wants a sign-in page first; offers to open it.
class CaptivePortalBanner final : public QFrame {
    Q_OBJECT

public:
    explicit CaptivePortalBanner(QWidget* parent = nullptr);
    QPushButton* loginButton() const { return m_loginButton; }

signals:
    void openLoginPage();

private:
    QPushButton* m_loginButton = nullptr;
};
