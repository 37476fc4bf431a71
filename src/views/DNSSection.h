#pragma once

#include "probes/DNSPreset.h"
#include "views/kit/FlashMessage.h"

#include <QWidget>

#include <chrono>
#include <optional>

class ActivityIndicator;
class DNSPresetPicker;
class LinkmeterViewModel;
class NetworkInfoService;
class QLabel;
class QPushButton;
class QVBoxLayout;
class Scheduler;

// The DNS servers in use, and the switch to a preset: "Change" opens the picker; a choice asks the
// system for administrator rights, and a switch that worked is confirmed for a moment.
class DNSSection final : public QWidget {
    Q_OBJECT

public:
    DNSSection(LinkmeterViewModel& viewModel, NetworkInfoService& service, Scheduler& scheduler,
               QWidget* parent = nullptr);

    bool isPickerShown() const { return m_showPicker; }
    void setPickerShown(bool shown);
    bool isChangingDNS() const { return m_isChanging; }
    std::optional<QString> dnsChangeMessage() const { return m_message.message(); }
    QPushButton* changeButton() const { return m_change; }
    DNSPresetPicker* picker() const { return m_picker; }
    // The address rows, top to bottom.
    QWidget* serverList() const { return m_serverList; }

    void choose(DNSPreset preset);

private:
    void refreshServers();
    void setChanging(bool changing);

    LinkmeterViewModel& m_viewModel;
    NetworkInfoService& m_service;
    bool m_showPicker = false;
    bool m_isChanging = false;

    QPushButton* m_change = nullptr;
    ActivityIndicator* m_busy = nullptr;
    QLabel* m_messageLabel = nullptr;
    QWidget* m_serverList = nullptr;
    QVBoxLayout* m_serverRows = nullptr;
    DNSPresetPicker* m_picker = nullptr;
    // Confirms a switch that worked for a moment.
    FlashMessage m_message;
};
