#include "views/DNSSection.h"

#include "viewmodel/NetworkInfoPresenter.h"
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

DNSSection::DNSSection(NetworkInfoPresenter& presenter, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_presenter(presenter), m_message(scheduler) {
    QVBoxLayout* column = makeColumn(this, Space::xs);

    auto* header = new QHBoxLayout;
    header->setSpacing(Space::xs);
    header->addWidget(makeLabel(tr("DNS Servers"), TextStyle::caption, Colour::secondary, this));
    header->addStretch();
    m_busy = new ActivityIndicator(SymbolSize::xs, this);
    m_busy->hide();
    header->addWidget(m_busy);
    const QColor accent = Palette::colour(Colour::accent);
    m_change =
        new QPushButton(symbolIcon(QStringLiteral("arrow.triangle.2.circlepath"), accent, SymbolSize::xxs),
                        tr("Change"), this);
    m_change->setObjectName(QStringLiteral("changeDNS"));
    m_change->setFont(styledFont(TextStyle::caption, font()));
    m_change->setCursor(Qt::PointingHandCursor);
    m_change->setFlat(true);
    m_change->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; padding: %2px; }")
                                .arg(Palette::css(accent))
                                .arg(Space::none));
    connect(m_change, &QPushButton::clicked, this,
            [this] { m_presenter.setPickerShown(!m_presenter.screen().showsPicker); });
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
    connect(m_picker, &DNSPresetPicker::selected, &presenter, &NetworkInfoPresenter::choose);
    column->addWidget(m_picker);

    connect(&m_message, &FlashMessage::changed, this, [this](const std::optional<QString>& message) {
        m_messageLabel->setText(message.value_or(QString()));
        m_messageLabel->setVisible(message.has_value());
    });

    connect(&presenter, &NetworkInfoPresenter::dnsSwitched, this,
            [this](const QString& message) { m_message.show(message); });
    connect(&presenter, &NetworkInfoPresenter::changed, this, &DNSSection::render);
    render();
}

void DNSSection::render() {
    const NetworkInfoScreen& screen = m_presenter.screen();
    m_picker->setVisible(screen.showsPicker);
    m_picker->setChanging(screen.changingDNS);
    // The picker stays open until the system has answered.
    m_change->setEnabled(!screen.changingDNS);
    m_busy->setVisible(screen.changingDNS);

    if (screen.dnsServers == m_shownServers)
        return;
    m_shownServers = screen.dnsServers;
    clearLayout(m_serverRows);
    for (const DNSServerLine& server : screen.dnsServers) {
        auto* row = new QWidget(m_serverList);
        row->setObjectName(QStringLiteral("dnsServer"));
        QHBoxLayout* layout = makeRow(row, Space::xsPlus);
        layout->addWidget(
            makeSymbolLabel(QStringLiteral("magnifyingglass"), Colour::secondary, SymbolSize::xxs, row));
        const bool named = !server.provider.isEmpty();
        if (named) {
            QLabel* name = makeLabel(server.provider, TextStyle::caption, {}, row);
            name->setObjectName(QStringLiteral("provider"));
            layout->addWidget(name);
        }
        QLabel* address =
            makeLabel(server.address, TextStyle::caption, named ? Colour::secondary : Colour::text, row);
        address->setObjectName(QStringLiteral("address"));
        address->setFont(monospacedFont(TextStyle::caption, address->font()));
        address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        layout->addWidget(address);
        layout->addStretch();
        m_serverRows->addWidget(row);
    }
}
