#include "views/OnboardingView.h"

#include "core/LocationService.h"
#include "diagnosis/NotificationService.h"
#include "views/LocationPermissionPage.h"
#include "views/NotificationPermissionPage.h"
#include "views/ReadyPage.h"
#include "views/TrayPage.h"
#include "views/WelcomePage.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Metrics;

OnboardingView::OnboardingView(LocationService& location, NotificationService& notifications, bool trayShown,
                               const QString& currentDesktop, QWidget* parent)
    : QWidget(parent) {
    setFixedSize(Size::onboarding);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Space::none, Space::none, Space::none, Space::xlPlus);
    column->setSpacing(Space::l);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(new WelcomePage);
    if (location.canBeDenied()) {
        auto* locationPage = new LocationPermissionPage(location.isAuthorized());
        connect(&location, &LocationService::isAuthorizedChanged, locationPage,
                &PermissionPage::setAuthorized);
        connect(locationPage, &PermissionPage::requested, &location,
                &LocationService::requestWhenInUseAuthorization);
        m_pages->addWidget(locationPage);
    } else {
        m_trayPage = new TrayPage(trayShown, currentDesktop);
        m_pages->addWidget(m_trayPage);
    }
    auto* notificationPage = new NotificationPermissionPage(notifications.isAuthorized());
    connect(&notifications, &NotificationService::isAuthorizedChanged, notificationPage,
            &PermissionPage::setAuthorized);
    connect(notificationPage, &PermissionPage::requested, &notifications,
            &NotificationService::requestAuthorization);
    notificationPage->setProblem(notifications.requestProblem());
    connect(&notifications, &NotificationService::requestProblemChanged, notificationPage,
            &PermissionPage::setProblem);
    m_pages->addWidget(notificationPage);
    auto* readyPage = new ReadyPage;
    connect(readyPage, &ReadyPage::getStarted, this, &OnboardingView::finished);
    m_pages->addWidget(readyPage);
    column->addWidget(m_pages, 1);

    auto* navigation = new QHBoxLayout;
    navigation->setContentsMargins(padding(Space::xlPlus, Space::none));
    m_back = new QPushButton(tr("Back"), this);
    m_back->setFlat(true);
    m_back->setMinimumWidth(Size::onboardingButtonWidth);
    setButtonTextColour(m_back, Colour::secondary);
    // Hidden on the first page, but the dots stay centred.
    keepRoomWhenHidden(m_back);
    connect(m_back, &QPushButton::clicked, this, [this] { setCurrentPage(m_currentPage - 1); });
    navigation->addWidget(m_back);
    navigation->addStretch();
    for (int i = 0; i < pageCount; ++i) {
        auto* dot = new QFrame(this);
        dot->setObjectName(QStringLiteral("pageDot%1").arg(i));
        dot->setFixedSize(Size::pageDot);
        navigation->addWidget(dot);
        if (i + 1 < pageCount)
            navigation->addSpacing(Space::m);
        m_dots.push_back(dot);
    }
    navigation->addStretch();
    m_next = new QPushButton(tr("Next"), this);
    m_next->setDefault(true);
    m_next->setMinimumWidth(Size::onboardingButtonWidth);
    keepRoomWhenHidden(m_next);
    connect(m_next, &QPushButton::clicked, this, [this] { setCurrentPage(m_currentPage + 1); });
    navigation->addWidget(m_next);
    column->addLayout(navigation);

    setCurrentPage(0);
}

void OnboardingView::setCurrentPage(int page) {
    m_currentPage = std::clamp(page, 0, pageCount - 1);
    m_pages->setCurrentIndex(m_currentPage);
    m_back->setVisible(m_currentPage >= 1);
    m_next->setVisible(m_currentPage < pageCount - 1);
    for (int i = 0; i < pageCount; ++i)
        styleBox(m_dots[std::size_t(i)], i == m_currentPage ? Colour::accent : Tone::gray,
                 i == m_currentPage ? 1.0 : 0.35, Radius::badge);
}

QWidget* OnboardingView::page(int index) const {
    return m_pages->widget(index);
}
