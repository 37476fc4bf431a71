#include "app/WindowController.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

WindowController::WindowController(QString title, bool resizable, ContentFactory content, QObject* parent)
    : QObject(parent), m_title(std::move(title)), m_resizable(resizable), m_content(std::move(content)) {}

WindowController::~WindowController() {
    if (!m_window)
        return;
    if (m_window->isVisible())
        saveFrame();
    m_window->removeEventFilter(this);
    m_window.reset();
}

void WindowController::setFrameStorage(std::function<QByteArray()> load,
                                       std::function<void(const QByteArray&)> save) {
    m_loadFrame = std::move(load);
    m_saveFrame = std::move(save);
}

void WindowController::dismiss() {
    if (!m_window)
        return;
    m_window->removeEventFilter(this);
    m_window->hide();
    // The request may come from a button inside the window, so it goes once that button is done.
    m_window.release()->deleteLater();
}

bool WindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window.get() && event->type() == QEvent::Hide)
        saveFrame();
    return QObject::eventFilter(watched, event);
}

void WindowController::saveFrame() {
    if (m_saveFrame && m_window)
        m_saveFrame(m_window->saveGeometry());
}

void WindowController::show() {
    if (!m_window) {
        Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        if (!m_resizable)
            flags |= Qt::MSWindowsFixedSizeDialogHint;
        m_window = std::make_unique<QWidget>(nullptr, flags);
        m_window->setWindowTitle(m_title);
        auto* layout = new QVBoxLayout(m_window.get());
        layout->setContentsMargins(QMargins());
        if (!m_resizable)
            layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(m_content().release());
        m_window->adjustSize();
        // A saved frame that is damaged or from a screen no longer there is ignored (Qt keeps the
        // window on a present screen).
        const QByteArray frame = m_loadFrame ? m_loadFrame() : QByteArray();
        if (frame.isEmpty() || !m_window->restoreGeometry(frame)) {
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                m_window->move(screen->availableGeometry().center() - m_window->rect().center());
        }
        m_window->installEventFilter(this);
        // Like a dialog's: the settings, help and about windows close from the keyboard.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window.get());
        connect(escape, &QShortcut::activated, m_window.get(), &QWidget::close);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
