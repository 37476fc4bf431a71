#include "TrayIconStates.h"

#include "core/MenuBarDisplayMode.h"
#include "core/QualityRating.h"
#include "viewmodel/MenuBarText.h"
#include "viewmodel/TrayLabelPresenter.h"
#include "views/MenuBarLabel.h"

#include <QPainter>
#include <QWidget>

#include <array>

namespace {

struct Sample {
    const char* caption;
    std::optional<double> latency;
    int score;
    double download;
    CaptivePortalStatus portal;
};

const std::array<Sample, 5> kSamples{{
    {"excellent", 12.4, 96, 12'400'000, CaptivePortalStatus::connected()},
    {"fair", 85.0, 55, 850'000, CaptivePortalStatus::connected()},
    {"poor", 250.0, 30, 2'500, CaptivePortalStatus::captivePortal()},
    {"offline", 1234.0, 100, 0, CaptivePortalStatus::noInternet("")},
    {"checking", std::nullopt, 0, 0, CaptivePortalStatus::unknown()},
}};

constexpr std::array<int, 4> kSizes{16, 22, 24, 32};

MenuBarLabel labelFor(const Sample& sample, MenuBarDisplayMode mode) {
    MenuBarTextInput input;
    input.mode = mode;
    input.internetLatency = sample.latency;
    input.score = sample.score;
    input.speed = {sample.download, sample.download / 4};
    return MenuBarLabel(trayLabel({menuBarText(input), iconValueText(input), "globe", sample.portal,
                                   qualityRatingForScore(sample.score), true, true}));
}

// Rows of samples, columns of sizes; each panel twice: as a panel at one pixel per point shows it
// (magnified), and as one at two.
class TrayIconSheet final : public QWidget {
public:
    explicit TrayIconSheet(MenuBarDisplayMode mode) : m_mode(mode) { setFixedSize(kWidth, kHeight); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        // The render tool draws at two pixels per point.
        constexpr int density = 2;
        const QColor panels[] = {QColor(0xf0, 0xf0, 0xf0), QColor(0x24, 0x24, 0x24)};
        QFont caption = font();
        caption.setPixelSize(10);
        painter.setFont(caption);
        painter.setPen(palette().color(QPalette::WindowText));
        for (int column = 0; column < int(kSizes.size()); ++column)
            painter.drawText(QRect(kCaption + column * kCell, 0, kCell, kHeader), Qt::AlignCenter,
                             QStringLiteral("%1 px").arg(kSizes[std::size_t(column)]));
        int y = kHeader;
        for (const QColor& panel : panels) {
            for (const bool magnified : {true, false}) {
                painter.fillRect(QRect(kCaption, y, kCell * int(kSizes.size()), kCell * int(kSamples.size())),
                                 panel);
                for (int row = 0; row < int(kSamples.size()); ++row) {
                    const Sample& sample = kSamples[std::size_t(row)];
                    painter.setPen(palette().color(QPalette::WindowText));
                    painter.drawText(
                        QRect(0, y + row * kCell, kCaption - 4, kCell), Qt::AlignRight | Qt::AlignVCenter,
                        QStringLiteral("%1 %2").arg(QLatin1String(sample.caption),
                                                    magnified ? QStringLiteral("1×") : QStringLiteral("2×")));
                    const MenuBarLabel label = labelFor(sample, m_mode);
                    for (int column = 0; column < int(kSizes.size()); ++column) {
                        const int size = kSizes[std::size_t(column)];
                        QImage icon = label.icon(magnified ? size : size * density);
                        if (icon.isNull())
                            continue;
                        const QRect cell(kCaption + column * kCell, y + row * kCell, kCell, kCell);
                        const QRect target(cell.center() - QPoint(size / 2, size / 2), QSize(size, size));
                        // A one-pixel-per-point panel, enlarged without smoothing so each pixel shows.
                        painter.setRenderHint(QPainter::SmoothPixmapTransform, !magnified);
                        painter.drawImage(target, icon);
                    }
                }
                y += kCell * int(kSamples.size()) + kGap;
            }
        }
    }

private:
    static constexpr int kCaption = 120;
    static constexpr int kCell = 48;
    static constexpr int kHeader = 18;
    static constexpr int kGap = 6;
    static constexpr int kWidth = kCaption + kCell * int(kSizes.size()) + 8;
    static constexpr int kHeight = kHeader + 4 * (kCell * int(kSamples.size()) + kGap);

    MenuBarDisplayMode m_mode;
};

} // namespace

void addTrayIconStates(std::vector<RenderState>& states) {
    for (const MenuBarDisplayMode mode : allMenuBarDisplayModes) {
        const std::string_view raw = rawValue(mode);
        states.push_back(
            {QStringLiteral("tray-icon-%1").arg(QString::fromLatin1(raw.data(), qsizetype(raw.size()))),
             [mode] { return std::make_unique<TrayIconSheet>(mode); }});
    }
}
