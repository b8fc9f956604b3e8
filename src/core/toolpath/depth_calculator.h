// The "-Z- Depth Calculator": how deep a cone or ball tool has to go to cut a wanted width.
#pragma once

#include <optional>

namespace quill {

class Ui;

enum class DepthTool { Cone, Ball };

// The cutting depth (0 or below) for the cut width.  toolValue is the cone's tip angle in degrees or
// the ball's tool diameter.  A zero tip angle, a negative width and a ball width above the tool
// diameter have no depth: the reason is shown and nothing is returned.
std::optional<double> CalculateDepth(Ui& ui, DepthTool tool, double width, double toolValue);

}  // namespace quill
