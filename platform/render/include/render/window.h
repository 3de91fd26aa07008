#pragma once
// Pictures of windows.  A window is drawn with all its visible children in the classic
// desktop look, from the state the window system reports for each of them (class, style,
// text, check state, items, selection, enabled, focus, default button, font), and with what
// each window drew into its drawing context replayed over its standard look.  The picture
// has the size of the window, frame and caption included.

#include <string>

#include "render/output.h"
#include "render/scene.h"
#include "win/types.h"

namespace render {

// Pending paints are delivered first, so that the picture shows the window as it is now.
// An invalid handle gives an empty scene (size 0).
Scene sceneOfWindow(HWND hwnd);
Image renderWindow(HWND hwnd);
WriteResult renderWindowToPng(HWND hwnd, const std::string& path);
WriteResult renderWindowToSvg(HWND hwnd, const std::string& path);

// Windows of a class that draws itself in a way the window system cannot report (the sheet
// engine's grid) get their content from a painter registered for the class name (compared
// without regard to case).  `client` is the window's client area in picture coordinates.
using WindowPainter = void (*)(Scene& scene, HWND hwnd, const Rect& client);
void registerWindowPainter(const std::string& className, WindowPainter painter);

}  // namespace render
