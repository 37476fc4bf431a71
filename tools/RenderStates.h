#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// One named view in one fixed state. `build` is called after the palette is set.
struct RenderState {
    QString name;
    std::function<std::unique_ptr<QWidget>()> build;
};

const std::vector<RenderState>& renderStates();
