#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

class ActivityIndicator;
class DNSSection;
class LinkmeterViewModel;
class NetworkInfoService;
class QLabel;
class QVBoxLayout;
class Scheduler;

// The machine's public address, its interfaces and its DNS servers. The address row shows even while
// collapsed; the panel starts collapsed.
class NetworkInfoView final : public QWidget {
    Q_OBJECT

public:
    NetworkInfoView(LinkmeterViewModel& viewModel, NetworkInfoService& service, Scheduler& scheduler,
                    QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }
    // Hidden when there is no address and none is being fetched.
    QWidget* publicIPRow() const { return m_publicIPRow; }
    QLabel* publicIPText() const { return m_publicIP; }
    QWidget* interfaceList() const { return m_interfaceList; }
    DNSSection* dnsSection() const { return m_dnsSection; }

private:
    void refreshPublicIP();
    void refreshInterfaces();

    LinkmeterViewModel& m_viewModel;
    CollapsibleCard m_card;
    QWidget* m_publicIPRow = nullptr;
    QLabel* m_publicIP = nullptr;
    ActivityIndicator* m_loading = nullptr;
    QWidget* m_interfaceList = nullptr;
    QVBoxLayout* m_interfaceRows = nullptr;
    DNSSection* m_dnsSection = nullptr;
};
