#include "core/cresizer.h"

bool CResizer::attach(HWND dialog) {
    items_.clear();
    dialog_ = nullptr;
    if (!dialog || !IsWindow(dialog)) return false;
    dialog_ = dialog;
    RECT client{};
    GetClientRect(dialog, &client);
    recordedClient_ = SIZE{client.right - client.left, client.bottom - client.top};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Item item;
        item.control = child;
        item.id = GetDlgCtrlID(child);
        GetWindowRect(child, &item.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&item.rect), 2);
        items_.push_back(item);
    }
    return true;
}

bool CResizer::setAnchor(int controlId, unsigned edges) {
    bool found = false;
    for (Item& item : items_)
        if (item.id == controlId) {
            if (!(edges & (Left | Right))) edges |= Left;
            if (!(edges & (Top | Bottom))) edges |= Top;
            item.edges = edges;
            found = true;
        }
    return found;
}

namespace {

// One direction: the near and far edge of a control for a dialog that grew by `delta`.
void place(LONG nearEdge, LONG farEdge, bool followNear, bool followFar, int delta, LONG& newNear, LONG& newFar) {
    if (followNear && followFar) {
        newNear = nearEdge;
        newFar = farEdge + delta;
        if (newFar < newNear) newFar = newNear;  // a stretched control never turns inside out
    } else if (followFar) {
        newNear = nearEdge + delta;
        newFar = farEdge + delta;
    } else {
        newNear = nearEdge;
        newFar = farEdge;
    }
}

}  // namespace

void CResizer::resize() {
    if (!dialog_ || !IsWindow(dialog_)) return;
    RECT client{};
    GetClientRect(dialog_, &client);
    int dw = (client.right - client.left) - recordedClient_.cx;
    int dh = (client.bottom - client.top) - recordedClient_.cy;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const Item& item : items_) {
        if (!IsWindow(item.control)) continue;
        RECT r{};
        place(item.rect.left, item.rect.right, item.edges & Left, item.edges & Right, dw, r.left, r.right);
        place(item.rect.top, item.rect.bottom, item.edges & Top, item.edges & Bottom, dh, r.top, r.bottom);
        batch = DeferWindowPos(batch, item.control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(batch);
}

bool TwResizer::attach(HWND dialog) {
    if (!CResizer::attach(dialog)) return false;
    RECT window{};
    GetWindowRect(dialog, &window);
    minimum_ = SIZE{window.right - window.left, window.bottom - window.top};
    return true;
}

void TwResizer::limitTracking(MINMAXINFO* info) const {
    if (!info) return;
    if (info->ptMinTrackSize.x < minimum_.cx) info->ptMinTrackSize.x = minimum_.cx;
    if (info->ptMinTrackSize.y < minimum_.cy) info->ptMinTrackSize.y = minimum_.cy;
}
