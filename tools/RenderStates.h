#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class AppContext;
class QWidget;

// One named view in one fixed state. `build` is called after the palette is set.
struct RenderState {
    QString name;
    std::function<std::unique_ptr<QWidget>()> build;
};

const std::vector<RenderState>& renderStates();

// The program's parts the states are drawn with; set once by the tool's main().
void setRenderContext(AppContext& context);
AppContext& renderContext();
