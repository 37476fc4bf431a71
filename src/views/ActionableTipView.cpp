#include "views/ActionableTipView.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ActionableTipView::ActionableTipView(const Tip& tip, std::optional<RouterBrand> brand, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("actionableTip"));
    styleBox(this, Tone::gray, 0.12, 8);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(6);

    // The whole header is one button so the keyboard reaches it; its label is drawn by the row.
    m_header = new QToolButton(this);
    m_header->setAutoRaise(true);
    m_header->setAccessibleName(QString::fromStdString(tip.title));
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* headerRow = new QHBoxLayout(m_header);
    headerRow->setContentsMargins(0, 2, 0, 2);
    headerRow->setSpacing(6);
    headerRow->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, 14, m_header));
    auto* title = makeLabel(QString::fromStdString(tip.title), TextStyle::subheadline, {}, m_header);
    QFont titleFont = title->font();
    titleFont.setWeight(QFont::Medium);
    title->setFont(titleFont);
    title->setWordWrap(true);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    headerRow->addWidget(title, 1);
    m_chevron = new QLabel(m_header);
    headerRow->addWidget(m_chevron);
    m_header->setMinimumHeight(title->sizeHint().height() + 4);
    column->addWidget(m_header);
    connect(m_header, &QToolButton::clicked, this, [this] { setExpanded(!m_isExpanded); });

    m_details = new QWidget(this);
    auto* details = new QVBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(6);
    auto* description =
        makeLabel(QString::fromStdString(tip.description), TextStyle::caption, Colour::secondary, m_details);
    description->setWordWrap(true);
    details->addWidget(description);
    if (tip.action) {
        auto* box = new QFrame(m_details);
        box->setObjectName(QStringLiteral("tipAction"));
        styleBox(box, Colour::accent, 0.1, 6);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(10, 10, 10, 10);
        row->setSpacing(6);
        row->addWidget(makeSymbolLabel(QStringLiteral("arrow.right.circle.fill"), Colour::accent, 12, box), 0,
                       Qt::AlignTop);
        auto* action = makeLabel(QString::fromStdString(*tip.action), TextStyle::caption, {}, box);
        action->setWordWrap(true);
        row->addWidget(action, 1);
        details->addWidget(box);
    }
    if (brand) {
        if (const auto page = adminPage(*brand)) {
            const std::string_view name = rawValue(*brand);
            m_adminButton =
                new QPushButton(symbolIcon(QStringLiteral("gear"), palette().color(QPalette::ButtonText), 14),
                                QStringLiteral("Open %1 Settings")
                                    .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))),
                                m_details);
            const QString address = QString::fromStdString(*page);
            connect(m_adminButton, &QPushButton::clicked, this,
                    [this, address] { emit openAdminPage(address); });
            details->addWidget(m_adminButton, 0, Qt::AlignLeft);
        }
    }
    column->addWidget(m_details);
    setExpanded(false);
}

void ActionableTipView::setExpanded(bool expanded) {
    m_isExpanded = expanded;
    m_details->setVisible(expanded);
    setSymbol(m_chevron, expanded ? QStringLiteral("chevron.up") : QStringLiteral("chevron.down"),
              Colour::secondary, 11);
}
