#pragma once
// The colours of the classic desktop look.  Tests use them to check what was painted, so
// the painter takes every system colour from here.

#include "render/scene.h"

namespace render::palette {

constexpr Rgb face = rgb(0xD4, 0xD0, 0xC8);          // dialog and button face
constexpr Rgb highlight3d = rgb(0xFF, 0xFF, 0xFF);   // lit edge
constexpr Rgb light3d = rgb(0xD4, 0xD0, 0xC8);       // inner lit edge
constexpr Rgb shadow3d = rgb(0x80, 0x80, 0x80);      // inner shadow edge
constexpr Rgb darkShadow3d = rgb(0x40, 0x40, 0x40);  // outer shadow edge
constexpr Rgb window = rgb(0xFF, 0xFF, 0xFF);        // edit and list background
constexpr Rgb windowText = rgb(0x00, 0x00, 0x00);
constexpr Rgb buttonText = rgb(0x00, 0x00, 0x00);
constexpr Rgb grayText = rgb(0x80, 0x80, 0x80);   // disabled text
constexpr Rgb selection = rgb(0x0A, 0x24, 0x6A);  // selected entries
constexpr Rgb selectionText = rgb(0xFF, 0xFF, 0xFF);
constexpr Rgb frame = rgb(0x00, 0x00, 0x00);  // default button frame, dropped list
constexpr Rgb activeCaption = rgb(0x0A, 0x24, 0x6A);
constexpr Rgb activeCaptionEnd = rgb(0xA6, 0xCA, 0xF0);
constexpr Rgb inactiveCaption = rgb(0x80, 0x80, 0x80);
constexpr Rgb inactiveCaptionEnd = rgb(0xC0, 0xC0, 0xC0);
constexpr Rgb captionText = rgb(0xFF, 0xFF, 0xFF);
constexpr Rgb inactiveCaptionText = rgb(0xD4, 0xD0, 0xC8);
constexpr Rgb gridLine = rgb(0xC0, 0xC0, 0xC0);  // sheet cell lines

}  // namespace render::palette
