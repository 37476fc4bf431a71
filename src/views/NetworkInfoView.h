#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

#include <vector>

class ActivityIndicator;
class NetworkInfoPresenter;
struct InterfaceLine;
class QLabel;
class QVBoxLayout;
class Scheduler;

// The machine's public address, its interfaces and its DNS servers. The address row shows even while
// collapsed; the panel starts collapsed.
class NetworkInfoView final : public QWidget {
    Q_OBJECT

public:
    NetworkInfoView(NetworkInfoPresenter& presenter, Scheduler& scheduler, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }

private:
    void render();

    NetworkInfoPresenter& m_presenter;
    CollapsibleCard m_card;
    QWidget* m_publicIPRow = nullptr;
    QLabel* m_publicIP = nullptr;
    ActivityIndicator* m_loading = nullptr;
    QWidget* m_interfaceList = nullptr;
    QVBoxLayout* m_interfaceRows = nullptr;
    std::vector<InterfaceLine> m_shownInterfaces;
};
