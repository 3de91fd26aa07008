#pragma once
// GDI objects and device contexts of the class layer.  An object owns its handle and deletes
// it when destroyed (unless detached); FromHandle gives a temporary wrapper that never owns.

#include <string>

#include "win/afx/geometry.h"
#include "win/wingdi.h"

class CWnd;
class CDC;

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    HGDIOBJ GetSafeHandle() const { return this ? m_hObject : nullptr; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, LPVOID out) const { return ::GetObject(m_hObject, size, out); }

protected:
    bool m_temporary = false;
    friend struct AfxGdiAccess;
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap);
    BOOL LoadBitmap(UINT resourceId);
    BOOL LoadFromFile(const std::string& hostPath);  // BMP or PNG
    BOOL CreateCompatibleBitmap(CDC* dc, int cx, int cy);
    int GetBitmap(BITMAP* out) const { return GetObject(sizeof(BITMAP), out); }
    CSize GetBitmapDimension() const;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH brush);
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateSysColorBrush(int index);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN pen);
    BOOL CreatePen(int style, int width, COLORREF color);
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCSTR face);
    BOOL CreateFontIndirect(const LOGFONT* font);
    // Height in tenths of a point; at 96 pixels per inch.
    BOOL CreatePointFont(int pointSize, LPCSTR face, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* out) const { return GetObject(sizeof(LOGFONT), out); }
};

class CDC {
public:
    HDC m_hDC = nullptr;
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return this ? m_hDC : nullptr; }
    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

    CGdiObject* SelectStockObject(int index);
    CBitmap* SelectObject(CBitmap* bitmap);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

    void FillRect(LPCRECT rect, CBrush* brush) {
        ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
    }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush) {
        ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
    }
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    BOOL Ellipse(LPCRECT r) { return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom); }
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
    int DrawText(LPCSTR text, int count, LPRECT rect, UINT format) {
        return ::DrawText(m_hDC, text, count, rect, format);
    }
    int DrawText(const std::string& text, LPRECT rect, UINT format) {
        return ::DrawText(m_hDC, text.c_str(), static_cast<int>(text.size()), rect, format);
    }
    BOOL TextOut(int x, int y, LPCSTR text, int count) { return ::TextOut(m_hDC, x, y, text, count); }
    BOOL TextOut(int x, int y, const std::string& text) {
        return ::TextOut(m_hDC, x, y, text.c_str(), static_cast<int>(text.size()));
    }
    CSize GetTextExtent(LPCSTR text, int count) const;
    CSize GetTextExtent(const std::string& text) const {
        return GetTextExtent(text.c_str(), static_cast<int>(text.size()));
    }
    BOOL GetTextMetrics(TEXTMETRIC* tm) const { return ::GetTextMetrics(m_hDC, tm); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, rop);
    }
    BOOL StretchBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, scx, scy, rop);
    }
    BOOL TransparentBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy, UINT transparent) {
        return ::TransparentBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, scx, scy, transparent);
    }
    BOOL MaskBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, CBitmap& mask, int mx, int my, DWORD rop) {
        return ::MaskBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, mask, mx, my, rop);
    }
    BOOL PatBlt(int x, int y, int cx, int cy, DWORD rop) { return ::PatBlt(m_hDC, x, y, cx, cy, rop); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawIcon(POINT p, HICON icon) { return ::DrawIcon(m_hDC, p.x, p.y, icon); }

protected:
    bool m_temporary = false;
    friend struct AfxGdiAccess;
};

// The device context of a paint: BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd = nullptr;
};

// A window's device context outside painting (GetDC / ReleaseDC).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(CWnd* wnd) : CClientDC(wnd) {}
};
