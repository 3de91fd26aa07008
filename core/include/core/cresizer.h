#pragma once
// CResizer: keeps a resizable dialog's controls in place relative to the dialog's edges.  It is
// the child layout engine (child_layout.h) under the core library's name, with anchors given
// as the edges a control follows.
//
// attach records the dialog's size and every child's rectangle as they are now (call it once
// the controls exist and before any remembered size is applied).  Each control then gets the
// edges it follows: a control following Left and Right stretches with the width, one following
// only Right keeps its width and moves with the right edge; unset, a control keeps its place
// (Left and Top).  Unlike the child layout's own default, a control without anchors never
// scales: the dialogs written for this resizer rely on labels and fields they do not name
// staying where they are.  resize, called from the dialog's size handler, lays the controls
// out again from the recorded rectangles.  Controls that were not recorded are left alone.

#include "core/child_layout.h"
#include "win/afxwin.h"

class CResizer {
public:
    enum Edge : unsigned { Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };

    CResizer() = default;
    virtual ~CResizer() = default;

    // False when the dialog is no window.
    bool attach(HWND dialog);
    bool attach(CWnd* dialog) { return attach(dialog ? dialog->m_hWnd : nullptr); }
    // False when the control was not recorded.  Edges with neither Left nor Right follow Left;
    // with neither Top nor Bottom, Top.
    bool setAnchor(int controlId, unsigned edges);
    // Lays the controls out for the dialog's current size.
    void resize() { layout_.apply(); }
    bool isAttached() const { return layout_.isRecorded(); }

private:
    ChildLayout layout_;
};

// TwResizer: a CResizer that also keeps the dialog from being made smaller than a minimum size
// (by default the size it had when attached).  Call limitTracking from OnGetMinMaxInfo.
class TwResizer : public CResizer {
public:
    bool attach(HWND dialog);
    bool attach(CWnd* dialog) { return attach(dialog ? dialog->m_hWnd : nullptr); }
    void setMinimumSize(int width, int height) { minimum_ = SIZE{width, height}; }
    SIZE minimumSize() const { return minimum_; }
    void limitTracking(MINMAXINFO* info) const;

private:
    SIZE minimum_{0, 0};
};
