#pragma once
// Kv_DrawnControl: the real child window of one template control, owned by the template that
// created it.  Destroying the object destroys the window, so a window never outlives the
// template, and no two objects ever own the same window (the class cannot be copied).

#include "win/types.h"

class Kv_DrawnControl {
public:
    explicit Kv_DrawnControl(HWND window);
    ~Kv_DrawnControl();
    Kv_DrawnControl(const Kv_DrawnControl&) = delete;
    Kv_DrawnControl& operator=(const Kv_DrawnControl&) = delete;

    HWND window() const { return m_window; }
    int id() const;
    // The window's rectangle in its dialog's client coordinates, as the window has it now.
    RECT windowRect() const;

    // Design mode: the rectangle the tracker shows, kept equal to the window's.
    RECT rect;
    bool selected = false;

private:
    HWND m_window = nullptr;
};
