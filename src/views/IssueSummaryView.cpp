#include "views/IssueSummaryView.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Metrics;

IssueSummaryView::IssueSummaryView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("issueSummary"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::l));
    row->setSpacing(Space::m);
    m_icon = new QLabel(this);
    row->addWidget(m_icon, 0, Qt::AlignVCenter);
    m_message = makeLabel({}, TextStyle::subheadline, {}, this);
    m_message->setWordWrap(true);
    row->addWidget(m_message, 1);
}

void IssueSummaryView::setIssue(const IssueSummaryScreen& issue) {
    // Restyling re-polishes the whole box; the same issue arrives with every published value.
    if (issue == m_issue)
        return;
    m_issue = issue;
    // The box's style sheet first: changing it re-polishes the children and would drop their colours.
    styleBox(this, issue.tone, 0.1, Radius::box);
    setSymbol(m_icon, issue.symbol, issue.tone, SymbolSize::xl);
    m_message->setText(issue.message);
    setLabelColour(m_message, issue.tone);
}
