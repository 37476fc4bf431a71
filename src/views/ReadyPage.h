#pragma once

#include <QWidget>

class QPushButton;

// The last onboarding page: what the program will do, and the button that ends onboarding.
class ReadyPage final : public QWidget {
    Q_OBJECT

public:
    explicit ReadyPage(QWidget* parent = nullptr);

    QPushButton* getStartedButton() const { return m_getStarted; }

signals:
    // onGetStarted.
    void getStarted();

private:
    QPushButton* m_getStarted = nullptr;
};
