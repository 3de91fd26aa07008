// The class layer's GDI objects and device contexts.

#include <memory>
#include <unordered_map>

#include "afx/afx_internal.h"

struct AfxGdiAccess {
    static void markTemporary(CGdiObject* o) { o->m_temporary = true; }
    static void markTemporary(CDC* d) { d->m_temporary = true; }
};

namespace {

template <class T, class H>
T* temporary(H handle) {
    if (!handle) return nullptr;
    static std::unordered_map<const void*, std::unique_ptr<T>> map;
    auto& slot = map[static_cast<const void*>(handle)];
    if (!slot) {
        slot = std::make_unique<T>();
        slot->m_hObject = handle;
        AfxGdiAccess::markTemporary(slot.get());
    }
    return slot.get();
}

std::unordered_map<HDC, std::unique_ptr<CDC>>& temporaryDcs() {
    static std::unordered_map<HDC, std::unique_ptr<CDC>> map;
    return map;
}

}  // namespace

CGdiObject::~CGdiObject() {
    if (!m_temporary) DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (m_hObject || !object) return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

CBitmap* CBitmap::FromHandle(HBITMAP b) { return temporary<CBitmap>(b); }
BOOL CBitmap::LoadBitmap(UINT id) { return Attach(::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(id))); }
BOOL CBitmap::LoadFromFile(const std::string& path) {
    return Attach(::LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int cx, int cy) {
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, cx, cy));
}
CSize CBitmap::GetBitmapDimension() const {
    BITMAP bm;
    if (!GetBitmap(&bm)) return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

CBrush* CBrush::FromHandle(HBRUSH b) { return temporary<CBrush>(b); }
BOOL CBrush::CreateSolidBrush(COLORREF c) { return Attach(::CreateSolidBrush(c)); }
BOOL CBrush::CreateSysColorBrush(int index) {
    return Attach(::CreateSolidBrush(KV_SYSCOLOR_FLAG | static_cast<COLORREF>(index)));
}

CPen* CPen::FromHandle(HPEN p) { return temporary<CPen>(p); }
BOOL CPen::CreatePen(int style, int width, COLORREF c) { return Attach(::CreatePen(style, width, c)); }

CFont* CFont::FromHandle(HFONT f) { return temporary<CFont>(f); }
BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, LPCSTR face) {
    return Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                               outPrecision, clipPrecision, quality, pitchAndFamily, face));
}
BOOL CFont::CreateFontIndirect(const LOGFONT* lf) { return Attach(::CreateFontIndirect(lf)); }
BOOL CFont::CreatePointFont(int pointSize, LPCSTR face, CDC*) {
    // Tenths of a point at 96 pixels per inch: 80 (8 pt) becomes 11 pixels.
    int pixels = (pointSize * 96 + 360) / 720;
    return CreateFont(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

CDC::~CDC() {
    if (!m_temporary) DeleteDC();
}

CDC* CDC::FromHandle(HDC dc) {
    if (!dc) return nullptr;
    auto& slot = temporaryDcs()[dc];
    if (!slot) {
        slot = std::make_unique<CDC>();
        slot->m_hDC = dc;
        AfxGdiAccess::markTemporary(slot.get());
    }
    return slot.get();
}

BOOL CDC::Attach(HDC dc) {
    if (m_hDC || !dc) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    temporaryDcs().erase(m_hDC);
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    return ok;
}

CGdiObject* CDC::SelectStockObject(int index) {
    HGDIOBJ old = ::SelectObject(m_hDC, ::GetStockObject(index));
    switch (::GetObjectType(old)) {
    case OBJ_BRUSH: return CBrush::FromHandle(static_cast<HBRUSH>(old));
    case OBJ_PEN: return CPen::FromHandle(static_cast<HPEN>(old));
    case OBJ_FONT: return CFont::FromHandle(static_cast<HFONT>(old));
    case OBJ_BITMAP: return CBitmap::FromHandle(static_cast<HBITMAP>(old));
    default: return nullptr;
    }
}

CBitmap* CDC::SelectObject(CBitmap* b) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, b ? b->m_hObject : nullptr)));
}
CBrush* CDC::SelectObject(CBrush* b) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, b ? b->m_hObject : nullptr)));
}
CPen* CDC::SelectObject(CPen* p) {
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, p ? p->m_hObject : nullptr)));
}
CFont* CDC::SelectObject(CFont* f) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, f ? f->m_hObject : nullptr)));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    HBRUSH b = ::CreateSolidBrush(color);
    ::FillRect(m_hDC, rect, b);
    ::DeleteObject(b);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight) {
    if (!r) return;
    int cx = r->right - r->left, cy = r->bottom - r->top;
    FillSolidRect(r->left, r->top, cx - 1, 1, topLeft);
    FillSolidRect(r->left, r->top, 1, cy - 1, topLeft);
    FillSolidRect(r->left + cx - 1, r->top, 1, cy, bottomRight);
    FillSolidRect(r->left, r->top + cy - 1, cx, 1, bottomRight);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT old;
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const {
    SIZE s;
    ::GetTextExtentPoint32(m_hDC, text, count, &s);
    return CSize(s);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetDC(m_hWnd)); }
CClientDC::~CClientDC() {
    ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}
