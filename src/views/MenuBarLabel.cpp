#include "views/MenuBarLabel.h"

#include "core/AppSettings.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/Palette.h"
#include "views/SymbolIcon.h"

MenuBarLabel::MenuBarLabel(const LinkmeterViewModel& viewModel, const AppSettings& settings)
    : m_viewModel(viewModel), m_settings(settings) {}

std::string_view MenuBarLabel::colourName(const CaptivePortalStatus& portal, QualityRating rating) {
    if (portal.isNoInternet())
        return "red";
    if (portal.isCaptivePortal())
        return "orange";
    return colorName(rating);
}

bool MenuBarLabel::showsIcon() const {
    return m_settings.showMenuBarIcon();
}

QString MenuBarLabel::iconName() const {
    return QString::fromStdString(m_viewModel.menuBarIcon());
}

QString MenuBarLabel::text() const {
    const auto text = m_viewModel.menuBarText();
    return text ? QString::fromStdString(*text) : QString();
}

QColor MenuBarLabel::colour() const {
    return Palette::colour(
        colourName(m_viewModel.captivePortalStatus(), m_viewModel.connectionQuality().rating));
}

QImage MenuBarLabel::icon(int size) const {
    if (!showsIcon())
        return {};
    QImage image = symbolPixmap(iconName(), colour(), size, 1.0).toImage();
    return image.convertToFormat(QImage::Format_ARGB32);
}
