#include "core/cresizer.h"

namespace {

// The child layout's flags of one direction for a control following the near edge, the far
// edge or both.
int flagsFor(bool followNear, bool followFar) {
    if (followNear && followFar) return ChildLayout::kKeepNear | ChildLayout::kFollowFar;
    if (followFar) return ChildLayout::kKeepSize | ChildLayout::kFollowFar;
    return ChildLayout::kKeepNear | ChildLayout::kKeepSize;
}

}  // namespace

bool CResizer::attach(HWND dialog) {
    layout_.record(dialog);
    if (!layout_.isRecorded()) return false;
    layout_.setAllAnchors(flagsFor(true, false), flagsFor(true, false));
    return true;
}

bool CResizer::setAnchor(int controlId, unsigned edges) {
    return layout_.setAnchors(controlId, flagsFor(edges & Left, edges & Right), flagsFor(edges & Top, edges & Bottom));
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
