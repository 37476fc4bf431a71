#include "views/HelpView.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/SymbolNote.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Metrics;

QString HelpView::richText(std::string_view text) {
    const QString plain = translatedText("HelpTopic", text);
    QString html;
    bool bold = false;
    qsizetype from = 0;
    while (from <= plain.size()) {
        qsizetype marker = plain.indexOf(QLatin1String("**"), from);
        // A lone "**" with no partner is text, not markup.
        if (marker >= 0 && !bold && plain.indexOf(QLatin1String("**"), marker + 2) < 0)
            marker = -1;
        const QString piece = plain.mid(from, marker < 0 ? -1 : marker - from);
        html += piece.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
        if (marker < 0)
            break;
        html += bold ? QLatin1String("</b>") : QLatin1String("<b>");
        bold = !bold;
        from = marker + 2;
    }
    if (bold)
        html += QLatin1String("</b>");
    return html;
}

HelpView::HelpView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(Size::helpMinimum);
    QHBoxLayout* layout = makeRow(this);
    auto* splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);

    m_sidebar = new QListWidget(splitter);
    m_sidebar->setMinimumWidth(Size::helpSidebarMinimumWidth);
    m_sidebar->setIconSize(QSize(SymbolSize::xl, SymbolSize::xl));
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setSpacing(Space::xxs);
    for (const HelpTopic topic : allHelpTopics) {
        const QString name = toQString(symbol(topic));
        QIcon icon = symbolIcon(name, Palette::colour(Colour::accent), SymbolSize::xl);
        // On the selection's background the accent colour would vanish.
        for (const double ratio : {1.0, 2.0})
            icon.addPixmap(
                symbolPixmap(name, palette().color(QPalette::HighlightedText), SymbolSize::xl, ratio),
                QIcon::Selected);
        auto* item = new QListWidgetItem(icon, translatedText("HelpTopic", title(topic)), m_sidebar);
        item->setData(Qt::UserRole, toQString(rawValue(topic)));
    }
    connect(m_sidebar, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(allHelpTopics.size()))
            showTopic(allHelpTopics[std::size_t(row)]);
    });

    auto* scroll = new QScrollArea(splitter);
    scroll->setMinimumWidth(Size::helpPageMinimumWidth);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* detail = new QWidget;
    auto* column = new QVBoxLayout(detail);
    column->setContentsMargins(padding(Space::xxl, Space::xlPlus));
    column->setSpacing(Space::l);
    m_title = makeLabel(QString(), TextStyle::title, {}, detail);
    column->addWidget(m_title);
    m_content = new QLabel(detail);
    m_content->setFont(styledFont(TextStyle::body, m_content->font()));
    m_content->setTextFormat(Qt::RichText);
    m_content->setWordWrap(true);
    m_content->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_content);
    column->addSpacing(Space::xs);
    column->addWidget(makeLabel(tr("Tips"), TextStyle::headline, {}, detail));
    m_tips = new QWidget(detail);
    m_tipRows = makeColumn(m_tips, Space::s);
    column->addWidget(m_tips);
    column->addStretch();
    scroll->setWidget(detail);

    splitter->addWidget(m_sidebar);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({Size::helpSidebarWidth, Size::helpPageWidth});

    selectTopic(HelpTopic::overview);
}

void HelpView::selectTopic(HelpTopic topic) {
    for (std::size_t i = 0; i < allHelpTopics.size(); ++i)
        if (allHelpTopics[i] == topic)
            m_sidebar->setCurrentRow(int(i));
}

QStringList HelpView::shownTips() const {
    QStringList shown;
    for (const QLabel* label : m_tips->findChildren<QLabel*>(QStringLiteral("tip")))
        shown << label->text();
    return shown;
}

void HelpView::showTopic(HelpTopic topic) {
    m_selectedTopic = topic;
    m_title->setText(translatedText("HelpTopic", title(topic)));
    m_content->setText(richText(content(topic)));
    clearLayout(m_tipRows);
    for (const std::string_view tip : tips(topic)) {
        const SymbolNote note =
            makeSymbolNote(QStringLiteral("lightbulb.fill"), Tone::yellow, translatedText("HelpTopic", tip),
                           TextStyle::subheadline, Colour::text, m_tips);
        note.text->setObjectName(QStringLiteral("tip"));
        m_tipRows->addWidget(note.row);
    }
}
