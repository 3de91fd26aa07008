#include "host/main_window.h"

#include "win/styles.h"

namespace host {
namespace {

constexpr const char* kClassName = "KvHostMainWindow";

LRESULT mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

CWnd& mainWindowObject() {
    static CWnd window;
    return window;
}

}  // namespace

CWnd* mainWindow() {
    CWnd& window = mainWindowObject();
    if (window.m_hWnd && IsWindow(window.m_hWnd)) return &window;
    if (window.m_hWnd) window.Detach();  // the window system was reset under it
    WNDCLASS wc;
    if (!GetClassInfo(nullptr, kClassName, &wc)) {
        wc.lpfnWndProc = mainWindowProc;
        wc.lpszClassName = kClassName;
        RegisterClass(&wc);
    }
    RECT rect{0, 0, 1024, 768};
    window.CreateEx(0, kClassName, "Drawing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, 0);
    AfxSetMainWnd(&window);
    return &window;
}

HWND mainWindowHandle() { return mainWindow()->m_hWnd; }

}  // namespace host

HWND adsw_acadMainWnd() { return host::mainWindowHandle(); }

CWnd* acedGetAcadFrame() { return host::mainWindow(); }
