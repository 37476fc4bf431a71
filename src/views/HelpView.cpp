#include "views/HelpView.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

QString HelpView::richText(std::string_view text) {
    const QString plain = qText(text);
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
    setMinimumSize(600, 360);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);

    m_sidebar = new QListWidget(splitter);
    m_sidebar->setMinimumWidth(180);
    m_sidebar->setIconSize(QSize(16, 16));
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setSpacing(2);
    for (const HelpTopic topic : allHelpTopics) {
        const QString name = qText(symbol(topic));
        QIcon icon = symbolIcon(name, Palette::colour(Colour::accent), 16);
        // On the selection's background the accent colour would vanish.
        for (const double ratio : {1.0, 2.0})
            icon.addPixmap(symbolPixmap(name, palette().color(QPalette::HighlightedText), 16, ratio),
                           QIcon::Selected);
        auto* item = new QListWidgetItem(icon, qText(title(topic)), m_sidebar);
        item->setData(Qt::UserRole, qText(rawValue(topic)));
    }
    connect(m_sidebar, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(allHelpTopics.size()))
            showTopic(allHelpTopics[std::size_t(row)]);
    });

    auto* scroll = new QScrollArea(splitter);
    scroll->setMinimumWidth(400);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* detail = new QWidget;
    auto* column = new QVBoxLayout(detail);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(12);
    m_title = makeLabel(QString(), TextStyle::title, {}, detail);
    column->addWidget(m_title);
    m_content = new QLabel(detail);
    m_content->setFont(styledFont(TextStyle::body, m_content->font()));
    m_content->setTextFormat(Qt::RichText);
    m_content->setWordWrap(true);
    m_content->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_content);
    column->addSpacing(4);
    column->addWidget(makeLabel(QStringLiteral("Tips"), TextStyle::headline, {}, detail));
    m_tips = new QWidget(detail);
    m_tipRows = new QVBoxLayout(m_tips);
    m_tipRows->setContentsMargins(0, 0, 0, 0);
    m_tipRows->setSpacing(6);
    column->addWidget(m_tips);
    column->addStretch();
    scroll->setWidget(detail);

    splitter->addWidget(m_sidebar);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 450});

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
    m_title->setText(qText(title(topic)));
    m_content->setText(richText(content(topic)));
    while (QLayoutItem* item = m_tipRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const std::string_view tip : tips(topic)) {
        auto* row = new QWidget(m_tips);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(6);
        rowLayout->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, 11, row), 0,
                             Qt::AlignTop);
        auto* text = makeLabel(qText(tip), TextStyle::subheadline, {}, row);
        text->setObjectName(QStringLiteral("tip"));
        text->setWordWrap(true);
        rowLayout->addWidget(text, 1);
        m_tipRows->addWidget(row);
    }
}
