#pragma once

#include <QString>
#include <QWidget>

#include <string_view>

// The about window: the program's icon, name, version and what it does.
class AboutView final : public QWidget {
    Q_OBJECT

public:
    // Without `selfUpdating` (a build without an update feed) it says where updates come from instead.
    explicit AboutView(bool selfUpdating, QWidget* parent = nullptr);

    static constexpr char packageManagerUpdates[] = "Updates come with your package manager";

    // "Version 1.2 (34)"; an empty version reads "1.0" and an empty build "1".
    static QString versionLine(std::string_view version, std::string_view build);

protected:
    void paintEvent(QPaintEvent* event) override;
};
