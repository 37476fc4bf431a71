#pragma once

#include <QMargins>
#include <QSize>

// Every distance and size the views are laid out with, in device-independent pixels, so the look is
// set here and nowhere else.
namespace Metrics {

// The spacing scale, for the gaps between items and the padding inside boxes: steps of 2 up to 16,
// then wider ones for pages. The odd steps are for captions set tight against a small symbol.
namespace Space {
inline constexpr int none = 0;
inline constexpr int hairline = 1;
inline constexpr int xxs = 2;
inline constexpr int xxsPlus = 3;
inline constexpr int xs = 4;
inline constexpr int xsPlus = 5;
inline constexpr int s = 6;
inline constexpr int m = 8;
inline constexpr int mPlus = 10;
inline constexpr int l = 12;
inline constexpr int lPlus = 14;
inline constexpr int xl = 16;
inline constexpr int xlPlus = 20;
inline constexpr int xxl = 24;
inline constexpr int xxxl = 32;
} // namespace Space

constexpr QMargins padding(int all) {
    return {all, all, all, all};
}
constexpr QMargins padding(int horizontal, int vertical) {
    return {horizontal, vertical, horizontal, vertical};
}

// The padding of boxes that recur or stand apart.
namespace Padding {
// A card of the diagnostics page: a little less above, where its title is.
inline constexpr QMargins card(Space::l, Space::mPlus, Space::l, Space::l);
// The about window: more room above the icon than below the last line.
inline constexpr QMargins about(Space::xxl, 28, Space::xxl, 22);
// A settings tab, around its column of sections.
inline constexpr QMargins settingsTab(Space::xl, Space::l, Space::xl, Space::xl);
// An onboarding page: the buttons below it bring their own room.
inline constexpr QMargins onboardingPage(Space::xxxl, Space::xxl, Space::xxxl, Space::m);
} // namespace Padding

// Corner radii, by what is rounded.
namespace Radius {
inline constexpr int none = 0;
// Legend swatches and chart bars.
inline constexpr int hairline = 1;
inline constexpr int swatch = 2;
// Badges, page dots and the small rows of a picker.
inline constexpr int badge = 4;
inline constexpr int filterButton = 5;
// Buttons and boxes inside a card.
inline constexpr int control = 6;
// Tips, prompts, form sections.
inline constexpr int box = 8;
// Cards and banners.
inline constexpr int card = 10;
// The status card.
inline constexpr int panel = 12;
inline constexpr int appIcon = 18;
} // namespace Radius

// The point sizes symbols are drawn at.
namespace SymbolSize {
inline constexpr int tiny = 8;
inline constexpr int xxs = 9;
inline constexpr int xs = 10;
inline constexpr int s = 11;
inline constexpr int m = 12;
inline constexpr int l = 14;
inline constexpr int xl = 16;
inline constexpr int xxl = 18;
// The symbol of an empty state or a permission's status.
inline constexpr int placeholder = 22;
inline constexpr int appIcon = 36;
// The big symbol atop an onboarding page.
inline constexpr int page = 56;
inline constexpr int welcome = 72;
} // namespace SymbolSize

// The popover and the pages that stand in for it (the screenshots) are this wide.
inline constexpr int popoverWidth = 320;

// Fixed sizes of windows and of the widgets that need one.
namespace Size {
// The diagnostics page scrolls within this height.
inline constexpr int diagnosticsHeight = 600;
// The green dot before the network's name.
inline constexpr QSize statusDot(8, 8);
// The quality ring and, in each row of its breakdown, the symbol column, the bar and the number.
inline constexpr QSize qualityRing(56, 56);
inline constexpr int scoreSymbolColumn = 16;
inline constexpr QSize scoreBar(60, 4);
inline constexpr int scoreNumberWidth = 24;
// The history curve of a ping or lookup card, and of each direction of the bandwidth card.
inline constexpr QSize sparkline(120, 40);
inline constexpr int bandwidthHistoryHeight = 25;
inline constexpr int progressBarHeight = 6;
// The symbol column of a network interface's row.
inline constexpr int interfaceSymbolColumn = 16;
// The channel charts: as wide as the card lets them be, never narrower than the minimum.
inline constexpr QSize channelChart(260, 140);
inline constexpr int channelChartMinimumWidth = 200;
// The line that stands in for a chart before any scan.
inline constexpr int placeholderHeight = 40;
// The swatch of a channel chart's legend.
inline constexpr QSize legendSwatch(8, 8);
// A channel's score, one width for all so the channels line up.
inline constexpr int channelScoreWidth = 34;

// The settings window; the menus and fields at the right of its rows; a threshold's field and the
// unit after it.
inline constexpr QSize settings(450, 380);
inline constexpr int formControlWidth = 130;
inline constexpr int thresholdFieldWidth = 70;
// Wide enough for an IPv4 address and a port.
inline constexpr int addressFieldWidth = 160;
inline constexpr int thresholdUnitWidth = 30;
// A display mode's choice: its symbol in a column wider than the symbol, and its example under the
// title, past the radio indicator and that column.
inline constexpr QSize modeSymbol(20, 16);
inline constexpr int modeExampleIndent = 44;
// The imitation of the tray item, however little it shows.
inline constexpr QSize menuBarPreviewMinimum(44, 24);
// The symbol column of an alert's switch.
inline constexpr int toggleSymbolColumn = 20;

// The onboarding window, its Back and Next buttons and the dots between them, and the last page's
// button.
inline constexpr QSize onboarding(400, 450);
inline constexpr int onboardingButtonWidth = 80;
inline constexpr QSize pageDot(8, 8);
inline constexpr int getStartedWidth = 140;
// The symbol column of a feature in a list (the last onboarding page, the about window).
inline constexpr int featureSymbolColumn = 24;

// The help window: a list of topics beside the topic's page.
inline constexpr QSize helpMinimum(600, 360);
inline constexpr int helpSidebarMinimumWidth = 180;
inline constexpr int helpSidebarWidth = 200;
inline constexpr int helpPageMinimumWidth = 400;
inline constexpr int helpPageWidth = 450;

// The about window and the program's icon in it.
inline constexpr int aboutWidth = 340;
inline constexpr QSize appIcon(80, 80);

// The swatches of the history legend: a block for an area, a short line for a curve.
inline constexpr QSize legendBlock(10, 10);
inline constexpr QSize legendLine(14, 3);
} // namespace Size

} // namespace Metrics
