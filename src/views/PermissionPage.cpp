#include "views/PermissionPage.h"

#include "views/kit/Metrics.h"
#include "views/kit/OnboardingPage.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

PermissionPage::PermissionPage(Texts texts, bool isAuthorized, QWidget* parent)
    : QWidget(parent), m_texts(std::move(texts)) {
    QVBoxLayout* column = makeOnboardingColumn(this);
    m_symbol = new QLabel(this);
    column->addWidget(m_symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(m_texts.title, TextStyle::title, {}, this), 0, Qt::AlignHCenter);
    auto* text = makeLabel(m_texts.text, TextStyle::body, Colour::secondary, this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter);
    column->addWidget(text);
    column->addSpacing(Space::s);

    m_request = new QPushButton(m_texts.request, this);
    m_request->setDefault(true);
    column->addWidget(m_request, 0, Qt::AlignHCenter);
    connect(m_request, &QPushButton::clicked, this, &PermissionPage::requested);
    m_problem = makeLabel(QString(), TextStyle::caption, Tone::orange, this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_problem->setAlignment(Qt::AlignHCenter);
    m_problem->hide();
    column->addWidget(m_problem);

    m_confirmation = makeConfirmation(m_texts.granted, this);
    column->addWidget(m_confirmation, 0, Qt::AlignHCenter);
    column->addStretch();

    m_isAuthorized = !isAuthorized;
    setAuthorized(isAuthorized);
}

void PermissionPage::setAuthorized(bool authorized) {
    if (authorized == m_isAuthorized)
        return;
    m_isAuthorized = authorized;
    if (authorized)
        setSymbol(m_symbol, m_texts.grantedSymbol, Tone::green, SymbolSize::page);
    else
        setSymbol(m_symbol, m_texts.missingSymbol, m_texts.missingTone, SymbolSize::page);
    m_request->setVisible(!authorized);
    m_confirmation->setVisible(authorized);
    m_problem->setVisible(!authorized && !m_problem->text().isEmpty());
}

void PermissionPage::setProblem(const std::optional<QString>& problem) {
    m_problem->setText(problem.value_or(QString()));
    m_problem->setVisible(!m_isAuthorized && problem.has_value());
}
