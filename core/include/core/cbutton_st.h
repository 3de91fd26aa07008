#pragma once
// CButtonST: a flat button that shows an icon or a bitmap and carries a tooltip.  Icon buttons
// of the package take an icon resource (212 add, 206 remove, 232 open, 233 save...) and a
// tooltip text by number.  Used as a check button it keeps its pressed look while checked.
// The window system draws the image; the object keeps the drawing options for it and for
// tests (flat, border, transparent colour, coloured when disabled).

#include <string>

#include "core/kv_string.h"
#include "win/afxwin.h"

class CButtonST : public CButton {
public:
    CButtonST() = default;

    // An icon from the resource chain; false (nothing changed) when there is no such icon.
    BOOL SetIcon(int iconResourceId);
    BOOL SetIcon(HICON icon);
    // A bitmap whose pixels of the transparent colour are not drawn.
    BOOL SetBitmaps(HBITMAP bitmap, COLORREF transparentColour);
    // A bitmap read from a file (package path); false when it cannot be read.
    BOOL SetBitmapFile(const Kv_String& path, COLORREF transparentColour);
    void SetTooltipText(const Kv_String& text) { tooltip_ = text; }
    // The caption text with that number (dialString).
    void SetTooltipText(int textNumber);
    void SetFlat(BOOL flat = TRUE) { flat_ = flat != FALSE; }
    void DrawBorder(BOOL border = TRUE) { border_ = border != FALSE; }
    void DrawDisabledColoured(BOOL coloured = TRUE) { disabledColoured_ = coloured != FALSE; }
    // Turns the button into a push-like check box (an icon check button).
    void SetCheckButton();
    // A picture check box: the box shows `unchecked` or `checked` (files, package paths) as
    // its state is, in place of a mark; an indeterminate box shows the unchecked picture.
    // False, and the box left as it was, when either picture cannot be read.
    BOOL SetStateBitmapFiles(const Kv_String& unchecked, const Kv_String& checked, COLORREF transparentColour);

    const Kv_String& tooltipText() const { return tooltip_; }
    bool isFlat() const { return flat_; }
    bool hasBorder() const { return border_; }
    bool drawsDisabledColoured() const { return disabledColoured_; }
    bool hasTransparentColour() const { return hasTransparent_; }
    COLORREF transparentColour() const { return transparent_; }
    // The tooltip of any button window that is a CButtonST ("" otherwise), for renderers.
    static Kv_String tooltipOf(HWND button);

private:
    Kv_String tooltip_;
    bool flat_ = true;
    bool border_ = false;
    bool disabledColoured_ = false;
    bool hasTransparent_ = false;
    COLORREF transparent_ = 0;
};
