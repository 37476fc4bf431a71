#pragma once

#include "views/kit/FlashMessage.h"

#include <QWidget>

#include <vector>

class ActivityIndicator;
class DNSPresetPicker;
struct DNSServerLine;
class NetworkInfoPresenter;
class QLabel;
class QPushButton;
class QVBoxLayout;
class Scheduler;

// The DNS servers in use, and the switch to a preset: "Change" opens the picker; a choice asks the
// system for administrator rights, and a switch that worked is confirmed for a moment.
class DNSSection final : public QWidget {
    Q_OBJECT

public:
    DNSSection(NetworkInfoPresenter& presenter, Scheduler& scheduler, QWidget* parent = nullptr);

private:
    void render();

    NetworkInfoPresenter& m_presenter;
    QPushButton* m_change = nullptr;
    ActivityIndicator* m_busy = nullptr;
    QLabel* m_messageLabel = nullptr;
    QWidget* m_serverList = nullptr;
    QVBoxLayout* m_serverRows = nullptr;
    std::vector<DNSServerLine> m_shownServers;
    DNSPresetPicker* m_picker = nullptr;
    // Confirms a switch that worked for a moment.
    FlashMessage m_message;
};
