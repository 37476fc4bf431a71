#pragma once

#include <QWidget>

// The first onboarding page: what the program is for.
class WelcomePage final : public QWidget {
    Q_OBJECT

public:
    explicit WelcomePage(QWidget* parent = nullptr);
};
