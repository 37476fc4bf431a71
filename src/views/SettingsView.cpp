#include "views/SettingsView.h"

#include "views/GeneralSettingsTab.h"
#include "views/MenuBarSettingsTab.h"
#include "views/NotificationsSettingsTab.h"
#include "views/SymbolIcon.h"
#include "views/ThresholdsSettingsTab.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Tabs taller than the window scroll rather than stretch it.
QScrollArea* scrolling(QWidget* tab) {
    auto* area = new QScrollArea;
    area->setWidget(tab);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}
} // namespace

SettingsView::SettingsView(AppSettings& settings, LoginItemController& launchAtLogin,
                           NotificationService& notificationService, QWidget* parent)
    : QWidget(parent) {
    setFixedSize(450, 380);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs);

    m_general = new GeneralSettingsTab(settings, launchAtLogin);
    m_menuBar = new MenuBarSettingsTab(settings);
    m_thresholds = new ThresholdsSettingsTab(settings);
    m_notifications = new NotificationsSettingsTab(settings, notificationService);
    const QColor symbolColour = palette().color(QPalette::ButtonText);
    m_tabs->addTab(scrolling(m_general), symbolIcon(QStringLiteral("gear"), symbolColour, 16),
                   QStringLiteral("General"));
    m_tabs->addTab(scrolling(m_menuBar), symbolIcon(QStringLiteral("menubar.rectangle"), symbolColour, 16),
                   QStringLiteral("Panel"));
    m_tabs->addTab(scrolling(m_thresholds),
                   symbolIcon(QStringLiteral("slider.horizontal.3"), symbolColour, 16),
                   QStringLiteral("Thresholds"));
    m_tabs->addTab(scrolling(m_notifications), symbolIcon(QStringLiteral("bell"), symbolColour, 16),
                   QStringLiteral("Notifications"));
}
