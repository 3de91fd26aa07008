#pragma once
// ChildLayout: lets a resizable dialog move and stretch its controls; the one layout engine of
// the package.  The dialog records its children once, after they exist, gives some of them
// anchor flags, and calls apply from its size handler.  Children without flags scale with the
// dialog; toolbars are never recorded, so they keep the place their own layout gives them.
// Every child is laid out from its recorded rectangle, so repeated resizing never accumulates
// rounding, and a stretched child never turns inside out when the dialog shrinks past it.
//
// Flag bits, per direction: kKeepSize keeps the width (height), kKeepNear keeps the left (top)
// edge where it was, kFollowFar moves the right (bottom) edge with the dialog's.
//
// CResizer and TwResizer (cresizer.h) are this engine under the core library's names, with
// anchors given as edges and children without anchors keeping their place.

#include <vector>

#include "win/afxwin.h"

class ChildLayout {
public:
    enum Flags : int { kKeepSize = 1, kKeepNear = 2, kFollowFar = 4 };

    struct Child {
        HWND window = nullptr;
        RECT rect;  // in the dialog's client coordinates when recorded
        int horizontal = 0;
        int vertical = 0;
    };

    // Forgets what was recorded; then, when dialog is a window, records its direct children.
    void record(HWND dialog);
    // False when no recorded child has this id.
    bool setAnchors(int controlId, int horizontal, int vertical);
    // The same flags for every recorded child (a default that setAnchors then overrides).
    void setAllAnchors(int horizontal, int vertical);
    // Lays every recorded child out for the dialog's current size, in one deferred batch.
    void apply() const;

    bool isRecorded() const { return dialog_ != nullptr; }
    HWND dialog() const { return dialog_; }
    const std::vector<Child>& children() const { return children_; }

    // The new [near, far) edges of one direction for a child spanning [nearEdge, farEdge).
    static void layoutSpan(int nearEdge, int farEdge, int flags, double scale, int delta, int& newNear, int& newFar);

private:
    HWND dialog_ = nullptr;
    RECT origRect_;
    std::vector<Child> children_;
};
