#pragma once

#include <QFrame>

// The one-pixel line between the sections of a card or a page.
class Divider final : public QFrame {
    Q_OBJECT

public:
    explicit Divider(QWidget* parent = nullptr);
};
