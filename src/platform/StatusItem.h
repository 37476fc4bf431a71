#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

// A tray entry that shows a picture and a short text side by side, as a desktop panel draws it.
// The two callbacks carry the screen point the panel gives, or (0, 0) when it gives none.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    // `icons` are the same picture at several sizes; `text` may be empty.
    virtual void setLabel(const std::vector<QImage>& icons, const QString& text, const QString& toolTip) = 0;

    std::function<void(QPoint)> activated;
    std::function<void(QPoint)> contextMenuRequested;
};
