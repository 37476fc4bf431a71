#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

// One line of the item's menu: an action the panel shows by `text`, or a divider.
struct StatusMenuEntry {
    QString action; // the name the item reports back when the entry is chosen
    QString text;
    bool enabled = true;
    bool separator = false;

    bool operator==(const StatusMenuEntry&) const = default;
};

// A tray entry that shows a picture and a short text side by side, as a desktop panel draws it, and
// offers a menu the panel draws itself. The point callbacks carry the screen point the panel gives, or
// (0, 0) when it gives none.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    // `icons` are the same picture at several sizes; `text` may be empty. Repeating the values on show
    // costs nothing: panels hear of a change only.
    virtual void setLabel(const std::vector<QImage>& icons, const QString& text, const QString& toolTip) = 0;
    virtual void setMenu(const std::vector<StatusMenuEntry>& entries) = 0;
    // Whether a panel has taken the item and shows it now.
    virtual bool isShown() const = 0;

    std::function<void(QPoint)> activated;
    std::function<void(QPoint)> contextMenuRequested;
    // The `action` of the menu entry the user chose.
    std::function<void(const QString&)> menuActionTriggered;
    // A panel took the item (true), or the one showing it went away (false).
    std::function<void(bool)> shownChanged;
};
