#include "core/cbutton_st.h"

#include "core/kv_texts.h"
#include "core/path_mapping.h"
#include "win/bitmap.h"
#include "win/button_state_images.h"
#include "win/draw.h"

namespace {

// The pixels of the transparent colour are made see-through once, when the picture is given,
// so that whatever draws the button shows the button's face through them.
HBITMAP seeThrough(HBITMAP bitmap, COLORREF transparentColour) {
    std::shared_ptr<const win::Bitmap> pixels = win::bitmapOf(bitmap);
    if (!pixels) return bitmap;
    win::Bitmap clear = *pixels;
    const uint32_t key = (uint32_t(GetRValue(transparentColour)) << 16) |
                         (uint32_t(GetGValue(transparentColour)) << 8) | uint32_t(GetBValue(transparentColour));
    for (uint32_t& pixel : clear.pixels)
        if ((pixel & 0xFFFFFF) == key) pixel = key;  // alpha 0
    HBITMAP made = win::createBitmapHandle(clear);
    return made ? made : bitmap;
}

HBITMAP readBitmapFile(const Kv_String& path) {
    return static_cast<HBITMAP>(LoadImage(nullptr, kvHostPath(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

}  // namespace

BOOL CButtonST::SetIcon(int iconResourceId) {
    HICON icon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(iconResourceId));
    if (!icon) return FALSE;
    return SetIcon(icon);
}

BOOL CButtonST::SetIcon(HICON icon) {
    if (!icon || !m_hWnd) return FALSE;
    ModifyStyle(BS_BITMAP, BS_ICON);
    CButton::SetIcon(icon);
    return TRUE;
}

BOOL CButtonST::SetBitmaps(HBITMAP bitmap, COLORREF transparentColour) {
    if (!bitmap || !m_hWnd) return FALSE;
    ModifyStyle(BS_ICON, BS_BITMAP);
    CButton::SetBitmap(seeThrough(bitmap, transparentColour));
    hasTransparent_ = true;
    transparent_ = transparentColour;
    return TRUE;
}

BOOL CButtonST::SetStateBitmapFiles(const Kv_String& unchecked, const Kv_String& checked, COLORREF transparentColour) {
    HBITMAP off = readBitmapFile(unchecked);
    HBITMAP on = readBitmapFile(checked);
    if (!off || !on || !m_hWnd) return FALSE;
    ModifyStyle(BS_ICON, BS_BITMAP);
    off = seeThrough(off, transparentColour);
    on = seeThrough(on, transparentColour);
    SendMessage(BM_SETSTATEIMAGE, BST_UNCHECKED, reinterpret_cast<LPARAM>(off));
    SendMessage(BM_SETSTATEIMAGE, BST_CHECKED, reinterpret_cast<LPARAM>(on));
    SendMessage(BM_SETSTATEIMAGE, BST_INDETERMINATE, reinterpret_cast<LPARAM>(off));
    hasTransparent_ = true;
    transparent_ = transparentColour;
    return TRUE;
}

BOOL CButtonST::SetBitmapFile(const Kv_String& path, COLORREF transparentColour) {
    HBITMAP image = readBitmapFile(path);
    return image ? SetBitmaps(image, transparentColour) : FALSE;
}

void CButtonST::SetTooltipText(int textNumber) { tooltip_ = dialString(textNumber); }

void CButtonST::SetCheckButton() {
    if (!m_hWnd) return;
    SetButtonStyle((GetStyle() & ~BS_TYPEMASK) | BS_AUTOCHECKBOX | BS_PUSHLIKE);
}

Kv_String CButtonST::tooltipOf(HWND button) {
    auto* object = dynamic_cast<CButtonST*>(CWnd::FromHandlePermanent(button));
    return object ? object->tooltip_ : Kv_String();
}
