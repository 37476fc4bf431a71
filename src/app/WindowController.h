#pragma once

#include <QByteArray>
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

    // Keeps the window's frame across runs: `load` gives the saved frame (empty for none) when the
    // window is made, `save` receives it whenever the window is hidden and when the program ends.
    void setFrameStorage(std::function<QByteArray()> load, std::function<void(const QByteArray&)> save);

    void show();
    // Closes the window for good; the next request makes a new one.
    void dismiss();
    // Null until the first request.
    QWidget* window() const { return m_window.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveFrame();

    std::function<QByteArray()> m_loadFrame;
    std::function<void(const QByteArray&)> m_saveFrame;
    QString m_title;
    bool m_resizable;
    ContentFactory m_content;
    std::unique_ptr<QWidget> m_window;
};
