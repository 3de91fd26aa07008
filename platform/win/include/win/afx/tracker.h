#pragma once
// CRectTracker: a selection rectangle with resize handles.  It hit-tests, draws its frame and
// handles into a device context (as tracker records), and tracks the mouse while the person
// drags: Track moves or resizes the rectangle, TrackRubberBand spans a new one.  The drag is a
// loop of its own that takes the mouse from the input source like any modal loop; Escape or
// the right button cancels it.

#include "win/afx/cdc.h"
#include "win/afx/cwnd.h"

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker();
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 7;
    CSize m_sizeMin{4, 4};

    void Draw(CDC* dc) const;
    void GetTrueRect(LPRECT rect) const;
    BOOL SetCursor(CWnd* wnd, UINT hitTest) const;
    int HitTest(CPoint point) const;
    int NormalizeHit(int handle) const;
    // TRUE when the rectangle changed; on cancel it keeps its old value.
    BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    BOOL TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert = TRUE);

    virtual void DrawTrackerRect(LPCRECT rect, CWnd* clipTo, CDC* dc, CWnd* wnd);
    virtual void AdjustRect(int handle, LPRECT rect);
    virtual void OnChangedRect(const CRect& oldRect);
    virtual UINT GetHandleMask() const;

protected:
    BOOL TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo);
    CRect handleRect(int handle) const;
    bool m_bAllowInvert = FALSE;
};
