#include "views/SettingsView.h"

#include "views/GeneralSettingsTab.h"
#include "views/MenuBarSettingsTab.h"
#include "views/NotificationsSettingsTab.h"
#include "views/ThresholdsSettingsTab.h"
#include "views/kit/Buttons.h"
#include "views/kit/Metrics.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Metrics;

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
    setFixedSize(Size::settings);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding(Space::m));
    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs);

    m_general = new GeneralSettingsTab(settings, launchAtLogin);
    m_menuBar = new MenuBarSettingsTab(settings);
    m_thresholds = new ThresholdsSettingsTab(settings);
    m_notifications = new NotificationsSettingsTab(settings, notificationService);
    m_tabs->addTab(scrolling(m_general), buttonSymbol(QStringLiteral("gear"), this, SymbolSize::xl),
                   tr("General"));
    m_tabs->addTab(scrolling(m_menuBar),
                   buttonSymbol(QStringLiteral("menubar.rectangle"), this, SymbolSize::xl), tr("Panel"));
    m_tabs->addTab(scrolling(m_thresholds),
                   buttonSymbol(QStringLiteral("slider.horizontal.3"), this, SymbolSize::xl),
                   tr("Thresholds"));
    m_tabs->addTab(scrolling(m_notifications), buttonSymbol(QStringLiteral("bell"), this, SymbolSize::xl),
                   tr("Notifications"));
}
