#include "viewmodel/TrayLabelPresenter.h"

#include "core/AppSettings.h"
#include "core/IconValueMode.h"
#include "viewmodel/DisplayText.h"
#include "viewmodel/LinkmeterViewModel.h"

Tone trayTone(const CaptivePortalStatus& portal, QualityRating rating) {
    if (portal.isNoInternet())
        return Tone::red;
    if (portal.isCaptivePortal())
        return Tone::orange;
    return tone(rating);
}

TrayLabel trayLabel(const TrayLabelInputs& in) {
    TrayLabel label;
    label.text = optionalText(in.text);
    label.toolTip = label.text.isEmpty() ? TrayLabelPresenter::tr("Linkmeter")
                                         : TrayLabelPresenter::tr("Linkmeter: %1").arg(label.text);
    label.iconName = QString::fromStdString(in.iconName);
    label.tone = trayTone(in.portal, in.rating);
    label.showIcon = in.showIcon;
    if (in.valueInIcon)
        label.iconValue = optionalText(in.iconValue);
    return label;
}

TrayLabelPresenter::TrayLabelPresenter(const LinkmeterViewModel& viewModel, const AppSettings& settings,
                                       std::string currentDesktop, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_settings(settings),
      m_currentDesktop(std::move(currentDesktop)) {
    using VM = LinkmeterViewModel;
    connect(&m_viewModel, &VM::captivePortalStatusChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_viewModel, &VM::connectionQualityChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_viewModel, &VM::internetPingStatsChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_viewModel, &VM::bandwidthSpeedChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_settings, &AppSettings::menuBarDisplayModeChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_settings, &AppSettings::showMenuBarIconChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_settings, &AppSettings::showMenuBarTextChanged, this, &TrayLabelPresenter::recompute);
    connect(&m_settings, &AppSettings::iconValueModeChanged, this, &TrayLabelPresenter::recompute);
    m_screen = current();
}

TrayLabel TrayLabelPresenter::current() const {
    return trayLabel({m_viewModel.menuBarText(), m_viewModel.iconValueText(), m_viewModel.menuBarIcon(),
                      m_viewModel.captivePortalStatus(), m_viewModel.connectionQuality().rating,
                      m_settings.showMenuBarIcon(),
                      showsValueInIcon(m_settings.iconValueMode(), m_currentDesktop)});
}

void TrayLabelPresenter::recompute() {
    TrayLabel label = current();
    if (label == m_screen)
        return;
    m_screen = std::move(label);
    emit changed();
}
