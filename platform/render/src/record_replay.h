#pragma once
// Turns what a window drew into its drawing context into scene elements.

#include <vector>

#include "render/scene.h"
#include "win/draw.h"

namespace render::detail {

// Records are in the window's client coordinates; (originX, originY) is where the client
// area's top-left corner lies in the picture.
void replayRecords(Scene& scene, const std::vector<win::DrawRecord>& records, int originX, int originY);

Rgb fromColorRef(COLORREF color);
Image imageOf(const win::Bitmap& bitmap);
Font fontOf(const win::FontSpec& font);

}  // namespace render::detail
