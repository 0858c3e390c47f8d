// Small line glyphs shared by several controls: crosses, ticks and chevrons.
#pragma once

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"
#include "tools/skin_art/paint.h"

namespace skin_art {

// An X whose arms reach `half` pixels from the centre horizontally and vertically.
void DrawCross(Canvas& canvas, Point centre, float half, float width, const Paint& paint);

// A check mark filling most of the box.
void DrawTick(Canvas& canvas, Box box, float width, const Paint& paint);

// A 20 x 20 close button: the cross, on a disc of `disc` colour unless that is transparent.
Canvas MakeCloseButton(Color disc, Color cross);

// A check box filling the box: an accent square with a tick when checked, otherwise an
// outline of `border` colour over `fill` (which may be transparent).
void DrawCheckBox(Canvas& canvas, Box box, bool checked, Color border, Color fill);

enum class Direction { kUp, kDown };

// An open arrow head, `half_width` to each side and `half_height` above and below the centre.
void DrawChevron(Canvas& canvas, Point centre, float half_width, float half_height,
                 Direction direction, float width, const Paint& paint);

}  // namespace skin_art
