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

// The first-launch introduction: four pages with Back, Next and page dots. Only "Get Started" on the
// last page ends it; closing the window early does not.
class OnboardingView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int pageCount = 4;

    OnboardingView(LocationService& location, NotificationService& notifications, QWidget* parent = nullptr);

    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QWidget* page(int index) const;

signals:
    // isPresented became false: the user finished onboarding.
    void finished();

private:
    int m_currentPage = 0;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    std::vector<QFrame*> m_dots;
};
