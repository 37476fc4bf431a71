#include "views/ThresholdsSettingsTab.h"

#include "core/AppSettings.h"
#include "views/SettingsForm.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Metrics;

namespace {

QString latencyRangeHint() {
    //: %1 and %2 are the smallest and largest allowed response times in milliseconds
    return ThresholdsSettingsTab::tr("Enter a whole number of milliseconds from %1 to %2.")
        .arg(AppSettings::latencyThresholdRange[0])
        .arg(AppSettings::latencyThresholdRange[1]);
}

QString packetLossRangeHint() {
    //: %1 and %2 are the smallest and largest allowed percentages
    return ThresholdsSettingsTab::tr("Enter a percentage from %1 to %2.")
        .arg(AppSettings::packetLossThresholdRange[0])
        .arg(AppSettings::packetLossThresholdRange[1]);
}

QString orderHint() {
    return ThresholdsSettingsTab::tr("The warning value can't be above the critical value.");
}

// The user's own locale first ("2,5" in German), then the plain C form.
std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QLineEdit* makeField(const char* key, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(key));
    field->setFixedWidth(Size::thresholdFieldWidth);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// A threshold row: the level's symbol and name, the field, then its unit in a column of its own.
void addThresholdRow(QVBoxLayout* section, const QString& level, const QString& symbol, Tone colour,
                     QLineEdit* field, const QString& unit) {
    auto* control = new QWidget;
    QHBoxLayout* row = makeRow(control, Space::s);
    row->addWidget(field);
    auto* unitLabel = makeLabel(unit, TextStyle::body, Colour::secondary, control);
    unitLabel->setFixedWidth(Size::thresholdUnitWidth);
    row->addWidget(unitLabel);
    //: A threshold field's name for screen readers: the level and its unit, "Warning (ms)"
    field->setAccessibleName(ThresholdsSettingsTab::tr("%1 (%2)").arg(level, unit));
    addFormRow(section, makeSymbolTextLabel(level, symbol, colour), control);
}
} // namespace

ThresholdsSettingsTab::ThresholdsSettingsTab(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* form = makeForm(this);

    QVBoxLayout* latency = addFormSection(form, tr("Response Time"), QStringLiteral("clock"),
                                          tr("Alert when ping exceeds these values"));
    m_latencyWarning = makeField(SettingsKey::latencyWarningThreshold, this);
    m_latencyCritical = makeField(SettingsKey::latencyCriticalThreshold, this);
    addThresholdRow(latency, tr("Warning"), QStringLiteral("exclamationmark.triangle"), Tone::yellow,
                    m_latencyWarning, QStringLiteral("ms"));
    addThresholdRow(latency, tr("Critical"), QStringLiteral("xmark.octagon"), Tone::red, m_latencyCritical,
                    QStringLiteral("ms"));
    m_latencyHint = addFormHint(latency);

    QVBoxLayout* loss = addFormSection(form, tr("Packet Loss"), QStringLiteral("xmark.circle"),
                                       tr("Alert when packet loss exceeds these values"));
    m_packetLossWarning = makeField(SettingsKey::packetLossWarningThreshold, this);
    m_packetLossCritical = makeField(SettingsKey::packetLossCriticalThreshold, this);
    addThresholdRow(loss, tr("Warning"), QStringLiteral("exclamationmark.triangle"), Tone::yellow,
                    m_packetLossWarning, QStringLiteral("%"));
    addThresholdRow(loss, tr("Critical"), QStringLiteral("xmark.octagon"), Tone::red, m_packetLossCritical,
                    QStringLiteral("%"));
    m_packetLossHint = addFormHint(loss);

    form->addSpacing(Space::m);
    auto* reset = new QPushButton(tr("Reset to Defaults"), this);
    reset->setObjectName(QStringLiteral("resetToDefaults"));
    reset->setFlat(true);
    reset->setIcon(buttonSymbol(QStringLiteral("arrow.counterclockwise"), this, SymbolSize::l));
    reset->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    form->addWidget(reset, 0, Qt::AlignLeft);
    connect(reset, &QPushButton::clicked, this, [this] { m_settings.resetToDefaults(); });
    form->addStretch();

    m_latency = {
        m_latencyWarning,
        m_latencyCritical,
        m_latencyHint,
        {double(AppSettings::latencyThresholdRange[0]), double(AppSettings::latencyThresholdRange[1])},
        true,
        latencyRangeHint,
        [this](bool warning) {
            return double(warning ? m_settings.latencyWarningThreshold()
                                  : m_settings.latencyCriticalThreshold());
        },
        [this](bool warning, double value) {
            if (warning)
                m_settings.setLatencyWarningThreshold(int(value));
            else
                m_settings.setLatencyCriticalThreshold(int(value));
        }};
    m_packetLoss = {m_packetLossWarning,
                    m_packetLossCritical,
                    m_packetLossHint,
                    {AppSettings::packetLossThresholdRange[0], AppSettings::packetLossThresholdRange[1]},
                    false,
                    packetLossRangeHint,
                    [this](bool warning) {
                        return warning ? m_settings.packetLossWarningThreshold()
                                       : m_settings.packetLossCriticalThreshold();
                    },
                    [this](bool warning, double value) {
                        if (warning)
                            m_settings.setPacketLossWarningThreshold(value);
                        else
                            m_settings.setPacketLossCriticalThreshold(value);
                    }};
    for (Threshold* threshold : {&m_latency, &m_packetLoss})
        for (const bool warning : {true, false})
            connect(warning ? threshold->warning : threshold->critical, &QLineEdit::editingFinished, this,
                    [this, threshold, warning] { commit(*threshold, warning); });
    // Whoever changes a threshold (the reset, another window), the fields show it and old hints go.
    for (auto changed :
         {&AppSettings::latencyWarningThresholdChanged, &AppSettings::latencyCriticalThresholdChanged})
        connect(&settings, changed, this, [this] {
            m_latencyHint->hide();
            showStoredValues();
        });
    for (auto changed :
         {&AppSettings::packetLossWarningThresholdChanged, &AppSettings::packetLossCriticalThresholdChanged})
        connect(&settings, changed, this, [this] {
            m_packetLossHint->hide();
            showStoredValues();
        });
    showStoredValues();
}

// Stores the committed field's value, or refuses it with the section's hint and shows the stored
// values again: out of range (or not whole where only whole numbers go), or a warning above critical.
void ThresholdsSettingsTab::commit(const Threshold& threshold, bool warning) {
    QLineEdit* field = warning ? threshold.warning : threshold.critical;
    const auto value = parseNumber(field->text());
    if (value && *value == threshold.stored(warning))
        return;
    QString refusal;
    if (!value || (threshold.whole && *value != std::trunc(*value)) || *value < threshold.range[0] ||
        *value > threshold.range[1])
        refusal = threshold.rangeHint();
    else if (warning ? *value > threshold.stored(false) : *value < threshold.stored(true))
        refusal = orderHint();
    if (!refusal.isEmpty()) {
        threshold.hint->setText(refusal);
        threshold.hint->show();
        showStoredValues();
        return;
    }
    threshold.store(warning, *value);
}

void ThresholdsSettingsTab::showStoredValues() {
    const QLocale locale;
    m_latencyWarning->setText(locale.toString(m_settings.latencyWarningThreshold()));
    m_latencyCritical->setText(locale.toString(m_settings.latencyCriticalThreshold()));
    m_packetLossWarning->setText(locale.toString(m_settings.packetLossWarningThreshold()));
    m_packetLossCritical->setText(locale.toString(m_settings.packetLossCriticalThreshold()));
}
