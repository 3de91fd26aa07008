#pragma once
// An open popup menu in the classic look: a raised box of items, the highlighted one in the
// selection colour, grayed items embossed, separators as etched lines.

#include "render/scene.h"
#include "win/readback.h"

namespace render::detail {

// `origin` is where the menu window's top-left corner lies in the picture.
void addPopupMenu(Scene& scene, const win::PopupMenuState& menu, int originX, int originY, const Font& font);

}  // namespace render::detail
