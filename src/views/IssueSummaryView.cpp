#include "views/IssueSummaryView.h"

#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
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

void IssueSummaryView::setIssue(ConnectionIssue issue) {
    // Restyling re-polishes the whole box; the same issue arrives with every published value.
    if (issue == m_issue)
        return;
    m_issue = issue;
    const Tone issueTone = tone(issue);
    // The box's style sheet first: changing it re-polishes the children and would drop their colours.
    styleBox(this, issueTone, 0.1, Radius::box);
    setSymbol(m_icon, toQString(icon(issue)), issueTone, SymbolSize::xl);
    m_message->setText(toQString(::message(issue)));
    setLabelColour(m_message, issueTone);
}

QString IssueSummaryView::message() const {
    return m_message->text();
}
