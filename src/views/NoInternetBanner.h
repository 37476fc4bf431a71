#pragma once

#include <QFrame>

class QLabel;

// Red banner: the internet cannot be reached, and why.
class NoInternetBanner final : public QFrame {
    Q_OBJECT

public:
    explicit NoInternetBanner(QWidget* parent = nullptr);
    void setMessage(const QString& message);

private:
    QLabel* m_message = nullptr;
};
