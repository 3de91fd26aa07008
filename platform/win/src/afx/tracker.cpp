// CRectTracker: hit-testing, drawing as tracker records, and the drag loops.

#include "afx/afx_internal.h"
#include "kernel/kernel.h"
#include "paint/gdi.h"

CRectTracker::CRectTracker() = default;

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_rect(rect), m_nStyle(style) {}

UINT CRectTracker::GetHandleMask() const {
    // Corner handles always; edge handles only where the side is long enough to hold them.
    UINT mask = 0x0F;
    CRect r = m_rect;
    r.NormalizeRect();
    if (r.Width() > 3 * m_nHandleSize) mask |= (1u << hitTop) | (1u << hitBottom);
    if (r.Height() > 3 * m_nHandleSize) mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

CRect CRectTracker::handleRect(int handle) const {
    CRect r = m_rect;
    r.NormalizeRect();
    int s = m_nHandleSize;
    bool outside = (m_nStyle & resizeOutside) != 0;
    int l = outside ? r.left - s : r.left;
    int t = outside ? r.top - s : r.top;
    int rr = outside ? r.right : r.right - s;
    int b = outside ? r.bottom : r.bottom - s;
    int cx = (r.left + r.right - s) / 2;
    int cy = (r.top + r.bottom - s) / 2;
    switch (handle) {
    case hitTopLeft: return CRect(l, t, l + s, t + s);
    case hitTopRight: return CRect(rr, t, rr + s, t + s);
    case hitBottomRight: return CRect(rr, b, rr + s, b + s);
    case hitBottomLeft: return CRect(l, b, l + s, b + s);
    case hitTop: return CRect(cx, t, cx + s, t + s);
    case hitRight: return CRect(rr, cy, rr + s, cy + s);
    case hitBottom: return CRect(cx, b, cx + s, b + s);
    case hitLeft: return CRect(l, cy, l + s, cy + s);
    default: return CRect();
    }
}

void CRectTracker::GetTrueRect(LPRECT out) const {
    if (!out) return;
    CRect r = m_rect;
    r.NormalizeRect();
    if (m_nStyle & resizeOutside) r.InflateRect(m_nHandleSize, m_nHandleSize);
    if (m_nStyle & hatchedBorder) r.InflateRect(m_nHandleSize + 1, m_nHandleSize + 1);
    *out = r;
}

void CRectTracker::Draw(CDC* dc) const {
    if (!dc) return;
    win::DrawRecord frame;
    frame.kind = win::DrawRecord::Kind::TrackerFrame;
    CRect r = m_rect;
    r.NormalizeRect();
    frame.rect = r;
    frame.flags = m_nStyle;
    frame.color = RGB(0, 0, 0);
    win::detail::recordInto(dc->m_hDC, frame);
    if (!(m_nStyle & (resizeInside | resizeOutside))) return;
    UINT mask = GetHandleMask();
    for (int h = 0; h < 8; ++h) {
        if (!(mask & (1u << h))) continue;
        win::DrawRecord handle;
        handle.kind = win::DrawRecord::Kind::TrackerHandle;
        handle.rect = handleRect(h);
        handle.color = RGB(0, 0, 0);
        handle.flags = static_cast<UINT>(h);
        win::detail::recordInto(dc->m_hDC, handle);
    }
}

int CRectTracker::HitTest(CPoint point) const {
    if (m_nStyle & (resizeInside | resizeOutside)) {
        UINT mask = GetHandleMask();
        for (int h = 0; h < 8; ++h)
            if ((mask & (1u << h)) && handleRect(h).PtInRect(point)) return h;
    }
    CRect r = m_rect;
    r.NormalizeRect();
    return r.PtInRect(point) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int handle) const {
    if (handle == hitMiddle || handle == hitNothing) return handle;
    bool flipX = m_rect.right < m_rect.left, flipY = m_rect.bottom < m_rect.top;
    static const int swapX[] = {hitTopRight, hitTopLeft, hitBottomLeft, hitBottomRight,
                                hitTop,      hitLeft,    hitBottom,     hitRight};
    static const int swapY[] = {hitBottomLeft, hitBottomRight, hitTopRight, hitTopLeft,
                                hitBottom,     hitRight,       hitTop,      hitLeft};
    if (flipX) handle = swapX[handle];
    if (flipY) handle = swapY[handle];
    return handle;
}

BOOL CRectTracker::SetCursor(CWnd* wnd, UINT hitTest) const {
    if (!wnd || hitTest != HTCLIENT) return FALSE;
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(wnd->m_hWnd, &pt);
    int hit = NormalizeHit(HitTest(pt));
    LPCSTR cursor = nullptr;
    switch (hit) {
    case hitTopLeft:
    case hitBottomRight: cursor = IDC_SIZENWSE; break;
    case hitTopRight:
    case hitBottomLeft: cursor = IDC_SIZENESW; break;
    case hitTop:
    case hitBottom: cursor = IDC_SIZENS; break;
    case hitLeft:
    case hitRight: cursor = IDC_SIZEWE; break;
    case hitMiddle: cursor = IDC_SIZEALL; break;
    default: return FALSE;
    }
    ::SetCursor(::LoadCursor(nullptr, cursor));
    return TRUE;
}

BOOL CRectTracker::Track(CWnd* wnd, CPoint point, BOOL allowInvert, CWnd* clipTo) {
    int hit = HitTest(point);
    if (hit < 0) return FALSE;
    m_bAllowInvert = allowInvert != 0;
    return TrackHandle(hit, wnd, point, clipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert) {
    m_bAllowInvert = allowInvert != 0;
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    return TrackHandle(hitBottomRight, wnd, point, nullptr);
}

void CRectTracker::DrawTrackerRect(LPCRECT rect, CWnd*, CDC*, CWnd* wnd) {
    // While the drag lasts the outline shows where the rectangle would go; the next paint of
    // the window replaces it.
    if (!wnd || !rect) return;
    CClientDC dc(wnd);
    CRect r(rect);
    r.NormalizeRect();
    dc.DrawFocusRect(r);
}

void CRectTracker::AdjustRect(int, LPRECT) {}
void CRectTracker::OnChangedRect(const CRect&) {}

BOOL CRectTracker::TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo) {
    if (!wnd || !wnd->m_hWnd) return FALSE;
    HWND hwnd = wnd->m_hWnd;
    CRect save = m_rect;
    bool moved = false;
    bool changesLeft = handle == hitTopLeft || handle == hitBottomLeft || handle == hitLeft;
    bool changesRight = handle == hitTopRight || handle == hitBottomRight || handle == hitRight;
    bool changesTop = handle == hitTopLeft || handle == hitTopRight || handle == hitTop;
    bool changesBottom = handle == hitBottomLeft || handle == hitBottomRight || handle == hitBottom;
    ::SetCapture(hwnd);
    for (;;) {
        MSG msg;
        if (!win::detail::waitMessage(msg, hwnd)) {
            m_rect = save;
            break;
        }
        if (::GetCapture() != hwnd) {
            m_rect = save;
            win::detail::processMessage(msg);
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            int dx = pt.x - point.x, dy = pt.y - point.y;
            CRect old = m_rect;
            CRect next = save;
            if (handle == hitMiddle) {
                next.OffsetRect(dx, dy);
            } else {
                if (changesLeft) next.left += dx;
                if (changesRight) next.right += dx;
                if (changesTop) next.top += dy;
                if (changesBottom) next.bottom += dy;
                if (!m_bAllowInvert) {
                    if (next.right - next.left < m_sizeMin.cx) {
                        if (changesLeft)
                            next.left = next.right - m_sizeMin.cx;
                        else
                            next.right = next.left + m_sizeMin.cx;
                    }
                    if (next.bottom - next.top < m_sizeMin.cy) {
                        if (changesTop)
                            next.top = next.bottom - m_sizeMin.cy;
                        else
                            next.bottom = next.top + m_sizeMin.cy;
                    }
                }
            }
            m_rect = next;
            AdjustRect(handle, &m_rect);
            if (m_rect != old) {
                moved = true;
                OnChangedRect(old);
                DrawTrackerRect(&m_rect, clipTo, nullptr, wnd);
            }
            if (msg.message == WM_LBUTTONUP) break;
            continue;
        }
        if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
            m_rect = save;
            moved = false;
            break;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR) continue;
        win::detail::processMessage(msg);
        if (!::IsWindow(hwnd)) return FALSE;
    }
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    if (!moved) m_rect = save;
    return m_rect != save ? TRUE : FALSE;
}
