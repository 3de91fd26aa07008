// The design surface: the picture behind the controls, the selection frames, and selecting,
// moving and resizing controls with the mouse through the platform's rectangle tracker.
#include "designer/kv_designer_tracker.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "win/afx/tracker.h"
#include "win/wingdi.h"
#include "win/winuser.h"

namespace {

void moveWindowTo(Kv_DrawnControl& control, RECT r) {
    CRect normalised(r);
    normalised.NormalizeRect();
    MoveWindow(control.window(), normalised.left, normalised.top, normalised.Width(), normalised.Height(), TRUE);
    control.rect = control.windowRect();
}

}  // namespace

BOOL Kv_DlgDesignerData::OnEraseBkgnd(HDC dc) {
    if (!m_initialised || m_dialog == nullptr || dc == nullptr) return FALSE;
    if (m_designMode) {
        RECT client;
        GetClientRect(m_dialog, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    }
    if (m_picture != nullptr && m_pictureWidth > 0 && m_pictureHeight > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, m_picture);
        // The mask is white where the picture is white: those pixels leave the dialog visible.
        MaskBlt(dc, 0, 0, m_pictureWidth, m_pictureHeight, memory, 0, 0, m_pictureMask, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    return TRUE;
}

void Kv_DlgDesignerData::OnPaint(HDC dc) {
    if (!m_initialised || !m_designMode || !m_tracker || dc == nullptr) return;
    for (const Kv_DrawnControl* control : m_tracker->selection())
        Kv_DesignerTracker::trackerFor(*control).Draw(CDC::FromHandle(dc));
}

BOOL Kv_DlgDesignerData::OnSetCursor(HWND window, UINT hitTest, UINT message) {
    if (!m_initialised || !m_designMode || !m_tracker || m_dialog == nullptr) return FALSE;
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(m_dialog, &at);
    int hit = CRectTracker::hitNothing;
    const Kv_DrawnControl* control = m_tracker->hitTest(at, hit);
    if (control == nullptr) return FALSE;
    return Kv_DesignerTracker::trackerFor(*control).SetCursor(CWnd::FromHandle(m_dialog), hitTest);
}

void Kv_DlgDesignerData::OnLButtonDown(UINT flags, POINT point) {
    if (!m_initialised || !m_designMode || !m_tracker || m_dialog == nullptr) return;
    const bool control = (flags & MK_CONTROL) != 0;
    const bool shift = (flags & MK_SHIFT) != 0;
    int hit = CRectTracker::hitNothing;
    Kv_DrawnControl* target = m_tracker->hitTest(point, hit);

    if (target == nullptr) {
        if (control || shift) return;
        m_tracker->clearSelection();
        trackRubberBand(point);
        repaintDialog();
        return;
    }
    if (control) {
        m_tracker->toggle(target);
    } else if (shift) {
        m_tracker->select(target);
    } else {
        if (!m_tracker->isSelected(target)) m_tracker->clearSelection();
        m_tracker->select(target);
        if (hit == CRectTracker::hitMiddle)
            trackSelection(point);
        else
            trackResize(*target, hit, point);
    }
    repaintDialog();
}

void Kv_DlgDesignerData::trackRubberBand(POINT point) {
    CRectTracker band;
    if (!band.TrackRubberBand(CWnd::FromHandle(m_dialog), CPoint(point), TRUE)) return;
    band.m_rect.NormalizeRect();
    for (Kv_DrawnControl* drawn : m_tracker->controls()) {
        CRect inside;
        // Wholly inside: what the band and the control share is the whole control.
        if (inside.IntersectRect(&band.m_rect, &drawn->rect) && inside == CRect(drawn->rect)) m_tracker->select(drawn);
    }
}

void Kv_DlgDesignerData::trackSelection(POINT point) {
    // The selection moves as one block: the box around it follows the mouse, and every window
    // moves by the same offset.
    const RECT bounds = m_tracker->selectionBounds();
    CRectTracker box(&bounds, CRectTracker::solidLine);
    if (!box.Track(CWnd::FromHandle(m_dialog), CPoint(point), FALSE)) return;
    const int dx = box.m_rect.left - bounds.left;
    const int dy = box.m_rect.top - bounds.top;
    for (Kv_DrawnControl* drawn : m_tracker->selection()) {
        RECT moved = drawn->rect;
        OffsetRect(&moved, dx, dy);
        moveWindowTo(*drawn, moved);
    }
}

void Kv_DlgDesignerData::trackResize(Kv_DrawnControl& control, int hit, POINT point) {
    CRectTracker frame = Kv_DesignerTracker::trackerFor(control);
    if (frame.HitTest(CPoint(point)) != hit) return;
    if (frame.Track(CWnd::FromHandle(m_dialog), CPoint(point), TRUE)) moveWindowTo(control, frame.m_rect);
}
