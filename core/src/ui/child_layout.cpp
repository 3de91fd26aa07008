// ChildLayout: recording a dialog's children and laying them out on resize.
#include "core/child_layout.h"

#include <cmath>

#include "base/case_fold.h"

namespace {
bool isToolbar(HWND window) {
    char name[64] = {0};
    ::GetClassName(window, name, sizeof(name));
    return base::equalIgnoringCase(name, "ToolbarWindow32");
}
}  // namespace

void ChildLayout::record(HWND dialog) {
    children_.clear();
    dialog_ = nullptr;
    if (!dialog || !::IsWindow(dialog)) return;
    dialog_ = dialog;
    ::GetWindowRect(dialog, &origRect_);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (isToolbar(child)) continue;
        Child entry;
        entry.window = child;
        ::GetWindowRect(child, &entry.rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&entry.rect), 2);
        children_.push_back(entry);
    }
}

bool ChildLayout::setAnchors(int controlId, int horizontal, int vertical) {
    for (Child& child : children_)
        if (::GetDlgCtrlID(child.window) == controlId) {
            child.horizontal = horizontal;
            child.vertical = vertical;
            return true;
        }
    return false;
}

void ChildLayout::setAllAnchors(int horizontal, int vertical) {
    for (Child& child : children_) {
        child.horizontal = horizontal;
        child.vertical = vertical;
    }
}

void ChildLayout::layoutSpan(int nearEdge, int farEdge, int flags, double scale, int delta, int& newNear, int& newFar) {
    if (flags & kKeepNear)
        newNear = nearEdge;
    else if ((flags & kKeepSize) && (flags & kFollowFar))
        newNear = nearEdge + delta;
    else
        newNear = static_cast<int>(std::trunc(nearEdge * scale));

    if (flags & kFollowFar)
        newFar = farEdge + delta;
    else if (flags & kKeepSize)
        newFar = newNear + (farEdge - nearEdge);
    else
        newFar = static_cast<int>(std::trunc(farEdge * scale));
    if (newFar < newNear) newFar = newNear;
}

void ChildLayout::apply() const {
    if (!dialog_ || !::IsWindow(dialog_)) return;
    RECT now;
    ::GetWindowRect(dialog_, &now);
    const int oldWidth = origRect_.right - origRect_.left, oldHeight = origRect_.bottom - origRect_.top;
    const int newWidth = now.right - now.left, newHeight = now.bottom - now.top;
    if (oldWidth <= 0 || oldHeight <= 0) return;
    const double sx = static_cast<double>(newWidth) / oldWidth, sy = static_cast<double>(newHeight) / oldHeight;
    const int dw = newWidth - oldWidth, dh = newHeight - oldHeight;
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(children_.size()));
    for (const Child& child : children_) {
        if (!::IsWindow(child.window)) continue;
        int left = 0, right = 0, top = 0, bottom = 0;
        layoutSpan(child.rect.left, child.rect.right, child.horizontal, sx, dw, left, right);
        layoutSpan(child.rect.top, child.rect.bottom, child.vertical, sy, dh, top, bottom);
        if (batch)
            batch = ::DeferWindowPos(batch, child.window, nullptr, left, top, right - left, bottom - top,
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) ::EndDeferWindowPos(batch);
}
