#include "app/WindowController.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

WindowController::WindowController(QString title, bool resizable, ContentFactory content, QObject* parent)
    : QObject(parent), m_title(std::move(title)), m_resizable(resizable), m_content(std::move(content)) {}

WindowController::~WindowController() = default;

void WindowController::show() {
    if (!m_window) {
        Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        if (!m_resizable)
            flags |= Qt::MSWindowsFixedSizeDialogHint;
        m_window = std::make_unique<QWidget>(nullptr, flags);
        m_window->setWindowTitle(m_title);
        auto* layout = new QVBoxLayout(m_window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        if (!m_resizable)
            layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(m_content().release());
        m_window->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_window->move(screen->availableGeometry().center() - m_window->rect().center());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
