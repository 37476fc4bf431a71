#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// Holds at most one auxiliary window: made on the first request, hidden when the user closes it,
// and brought back with its last frame on the next.
class WindowController final : public QObject {
    Q_OBJECT

public:
    using ContentFactory = std::function<std::unique_ptr<QWidget>()>;

    WindowController(QString title, bool resizable, ContentFactory content, QObject* parent = nullptr);
    ~WindowController() override;

    void show();
    // Null until the first request.
    QWidget* window() const { return m_window.get(); }

private:
    QString m_title;
    bool m_resizable;
    ContentFactory m_content;
    std::unique_ptr<QWidget> m_window;
};
