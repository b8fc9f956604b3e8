// The eye point of the 3D view as the "3D View Setup" window moves it: turned about the origin in
// 5-degree steps, back to its default direction, and the small preview box seen from it.
#pragma once

namespace quill {

class Canvas;
struct ViewState;

enum class EyeTurn { Up, Down, Left, Right };

// Up and Down change the elevation (the angle from the Z axis), Left and Right the azimuth, by 5 degrees;
// the distance from the origin stays.  An eye at the origin is first put at (-50, -50, 50).
void TurnEye(ViewState& view, EyeTurn turn);
// The centre button and "&Default": about (-50.02, -50.02, 49.95).
void DefaultEye(ViewState& view);

// The preview: axes and a 4 x 2 x 1 box seen from the eye, on the preferred background.
void DrawEyePreview(Canvas& canvas, const ViewState& view, bool blackBackground);

}  // namespace quill
