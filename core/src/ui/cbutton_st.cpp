#include "core/cbutton_st.h"

#include "core/kv_texts.h"
#include "core/path_mapping.h"

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
