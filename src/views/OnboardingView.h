#pragma once

#include <QWidget>

#include <vector>

class LocationPermissionPage;
class LocationService;
class NotificationPermissionPage;
class NotificationService;
class QFrame;
class QPushButton;
class QStackedWidget;
class ReadyPage;
class TrayPage;

// The first-launch introduction: four pages with Back, Next and page dots. The second asks for the
// location permission where there is one to ask for, else it is about the tray. Only "Get Started"
// on the last page ends it; closing the window early does not.
class OnboardingView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int pageCount = 4;

    // `trayShown` and `currentDesktop` (XDG_CURRENT_DESKTOP) tell the tray page what to say, where
    // the location permission cannot be refused.
    OnboardingView(LocationService& location, NotificationService& notifications, bool trayShown,
                   const QString& currentDesktop, QWidget* parent = nullptr);

    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QWidget* page(int index) const;
    // Null where the location page asks for its permission instead.
    TrayPage* trayPage() const { return m_trayPage; }

signals:
    // isPresented became false: the user finished onboarding.
    void finished();

private:
    int m_currentPage = 0;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    std::vector<QFrame*> m_dots;
    TrayPage* m_trayPage = nullptr;
};
