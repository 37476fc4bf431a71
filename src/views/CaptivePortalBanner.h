#pragma once

#include <QFrame>

// Orange banner: the network wants a sign-in page first; offers to open it.
class CaptivePortalBanner final : public QFrame {
    Q_OBJECT

public:
    explicit CaptivePortalBanner(QWidget* parent = nullptr);

signals:
    void openLoginPage();
};
