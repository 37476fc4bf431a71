#include "views/DNSSection.h"

#include "core/ContinueOn.h"
#include "probes/NetworkInfoService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/ActivityIndicator.h"
#include "views/DNSPresetPicker.h"
#include "views/kit/FlashMessage.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

DNSSection::DNSSection(LinkmeterViewModel& viewModel, NetworkInfoService& service, Scheduler& scheduler,
                       QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel), m_service(service), m_message(scheduler) {
    QVBoxLayout* column = makeColumn(this, Space::xs);

    auto* header = new QHBoxLayout;
    header->setSpacing(Space::xs);
    header->addWidget(makeLabel(QStringLiteral("DNS Servers"), TextStyle::caption, Colour::secondary, this));
    header->addStretch();
    m_busy = new ActivityIndicator(SymbolSize::xs, this);
    m_busy->hide();
    header->addWidget(m_busy);
    const QColor accent = Palette::colour(Colour::accent);
    m_change =
        new QPushButton(symbolIcon(QStringLiteral("arrow.triangle.2.circlepath"), accent, SymbolSize::xxs),
                        QStringLiteral("Change"), this);
    m_change->setObjectName(QStringLiteral("changeDNS"));
    m_change->setFont(styledFont(TextStyle::caption, font()));
    m_change->setCursor(Qt::PointingHandCursor);
    m_change->setFlat(true);
    m_change->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; padding: %2px; }")
                                .arg(Palette::css(accent))
                                .arg(Space::none));
    connect(m_change, &QPushButton::clicked, this, [this] { setPickerShown(!m_showPicker); });
    header->addWidget(m_change);
    column->addLayout(header);

    m_messageLabel = makeLabel({}, TextStyle::caption, Tone::green, this);
    m_messageLabel->setObjectName(QStringLiteral("dnsChangeMessage"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();
    column->addWidget(m_messageLabel);

    m_serverList = new QWidget(this);
    m_serverRows = makeColumn(m_serverList, Space::xxs);
    column->addWidget(m_serverList);

    m_picker = new DNSPresetPicker(this);
    m_picker->hide();
    connect(m_picker, &DNSPresetPicker::selected, this, &DNSSection::choose);
    column->addWidget(m_picker);

    connect(&m_message, &FlashMessage::changed, this, [this](const std::optional<QString>& message) {
        m_messageLabel->setText(message.value_or(QString()));
        m_messageLabel->setVisible(message.has_value());
    });

    connect(&m_viewModel, &LinkmeterViewModel::dnsServersChanged, this, &DNSSection::refreshServers);
    refreshServers();
}

void DNSSection::setPickerShown(bool shown) {
    m_showPicker = shown;
    m_picker->setVisible(shown);
}

void DNSSection::choose(DNSPreset preset) {
    if (m_isChanging)
        return;
    setChanging(true);
    const auto finish = [this](std::optional<DNSSwitchResult> result) {
        setChanging(false);
        // A refused or failed switch says nothing: the password prompt already told the user.
        if (result && result->success)
            m_message.show(QString::fromStdString(result->message));
        setPickerShown(false);
    };
    continueOn(
        this, m_service.setDNS(preset), [finish](DNSSwitchResult result) { finish(std::move(result)); },
        [finish] { finish(std::nullopt); });
}

void DNSSection::setChanging(bool changing) {
    m_isChanging = changing;
    m_picker->setChanging(changing);
    // The picker stays open until the system has answered.
    m_change->setEnabled(!changing);
    m_busy->setVisible(changing);
}

void DNSSection::refreshServers() {
    clearLayout(m_serverRows);
    for (const DNSServer& server : m_viewModel.dnsServers()) {
        auto* row = new QWidget(m_serverList);
        row->setObjectName(QStringLiteral("dnsServer"));
        QHBoxLayout* layout = makeRow(row, Space::xsPlus);
        layout->addWidget(
            makeSymbolLabel(QStringLiteral("magnifyingglass"), Colour::secondary, SymbolSize::xxs, row));
        if (server.name) {
            QLabel* name = makeLabel(QString::fromStdString(*server.name), TextStyle::caption, {}, row);
            name->setObjectName(QStringLiteral("provider"));
            layout->addWidget(name);
        }
        QLabel* address = makeLabel(QString::fromStdString(server.address), TextStyle::caption,
                                    server.name ? Colour::secondary : Colour::text, row);
        address->setObjectName(QStringLiteral("address"));
        address->setFont(monospacedFont(TextStyle::caption, address->font()));
        address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(address);
        layout->addStretch();
        m_serverRows->addWidget(row);
    }
}
