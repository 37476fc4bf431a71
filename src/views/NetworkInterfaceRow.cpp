#include "views/NetworkInterfaceRow.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

namespace {
QLabel* addressLabel(const QString& address, QFont::Weight weight, Colour colour, QWidget* parent) {
    QLabel* label = makeLabel(address, TextStyle::caption, colour, parent);
    QFont font = monospacedFont(TextStyle::caption, label->font());
    font.setWeight(weight);
    label->setFont(font);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setCursor(Qt::IBeamCursor);
    return label;
}
} // namespace

NetworkInterfaceRow::NetworkInterfaceRow(const InterfaceLine& interface, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::none, Space::xxs));
    row->setSpacing(Space::s);

    auto* symbolColumn = new QWidget(this);
    symbolColumn->setFixedWidth(Size::interfaceSymbolColumn);
    auto* symbolLayout = new QVBoxLayout(symbolColumn);
    // Level with the first line of text rather than the top of its box.
    symbolLayout->setContentsMargins(Space::none, Space::hairline, Space::none, Space::none);
    symbolLayout->addWidget(makeSymbolLabel(interface.symbol, Colour::secondary, SymbolSize::s, symbolColumn),
                            0, Qt::AlignHCenter | Qt::AlignTop);
    symbolLayout->addStretch();
    row->addWidget(symbolColumn);

    auto* column = new QVBoxLayout;
    column->setSpacing(Space::hairline);
    column->addWidget(makeLabel(interface.displayName, TextStyle::caption, Colour::secondary, this));
    if (!interface.ipv4.isEmpty()) {
        QLabel* ipv4 = addressLabel(interface.ipv4, QFont::Medium, {}, this);
        ipv4->setObjectName(QStringLiteral("ipv4"));
        column->addWidget(ipv4);
    }
    if (!interface.ipv6.isEmpty()) {
        QLabel* ipv6 = addressLabel(interface.ipv6, QFont::Normal, Colour::secondary, this);
        ipv6->setObjectName(QStringLiteral("ipv6"));
        // A long address keeps to one line at a smaller size rather than wrapping.
        ipv6->setFont(monospacedFont(TextStyle::caption2, ipv6->font()));
        column->addWidget(ipv6);
    }
    row->addLayout(column, 1);

    QLabel* name = makeLabel(interface.name, TextStyle::caption2, Colour::secondary, this);
    name->setObjectName(QStringLiteral("interfaceName"));
    row->addWidget(name, 0, Qt::AlignTop);
}
