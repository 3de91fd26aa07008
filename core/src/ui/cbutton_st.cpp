#include "core/cbutton_st.h"

#include "core/kv_texts.h"
#include "core/path_mapping.h"
#include "win/bitmap.h"
#include "win/draw.h"

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
    // The pixels of the transparent colour are made see-through once, here, so that whatever
    // draws the button shows the button's face through them.
    if (std::shared_ptr<const win::Bitmap> pixels = win::bitmapOf(bitmap)) {
        win::Bitmap clear = *pixels;
        const uint32_t key = (uint32_t(GetRValue(transparentColour)) << 16) | (uint32_t(GetGValue(transparentColour)) << 8) |
                             uint32_t(GetBValue(transparentColour));
        for (uint32_t& pixel : clear.pixels)
            if ((pixel & 0xFFFFFF) == key) pixel = key;   // alpha 0
        if (HBITMAP seeThrough = win::createBitmapHandle(clear)) bitmap = seeThrough;
    }
    CButton::SetBitmap(bitmap);
    hasTransparent_ = true;
    transparent_ = transparentColour;
    return TRUE;
}

BOOL CButtonST::SetBitmapFile(const Kv_String& path, COLORREF transparentColour) {
    std::string hostPath = kvHostPath(path);
    HANDLE image = LoadImage(nullptr, hostPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!image) return FALSE;
    return SetBitmaps(static_cast<HBITMAP>(image), transparentColour);
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
