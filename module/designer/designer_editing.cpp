// The designer's operations on the selected controls.  Each works on the rectangles as the user
// left them, so it first reads the windows' positions back.
#include <algorithm>
#include <set>

#include "core/kv_texts.h"
#include "designer/kv_designer_tracker.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer/kv_drawn_control.h"
#include "frame/text_entry_launcher.h"
#include "win/winuser.h"

namespace {
// Copies land this far right and down of their originals, so both stay visible.
constexpr double kCopyOffset = 20.0;
// The size of a new control in pixels.
constexpr double kNewWidth = 30.0;
constexpr double kNewHeight = 18.0;
// Message text: the template's control ids are all in use.
constexpr int kNoFreeIdText = 20141;
}  // namespace

int Kv_DlgDesignerData::getCurSel() const {
    if (!m_designMode || !m_tracker || m_tracker->selection().size() != 1) return -1;
    int index = -1;
    return findCtrlFromResource(m_tracker->selection().front()->id(), index) ? index : -1;
}

Kv_Array<int> Kv_DlgDesignerData::getSelectedIds() const {
    return m_tracker ? m_tracker->selectedIds() : Kv_Array<int>();
}

void Kv_DlgDesignerData::selectControls(const Kv_Array<int>& ids) {
    if (!m_tracker) return;
    m_tracker->clearSelection();
    for (int id : ids) m_tracker->select(m_tracker->findById(id));
    repaintDialog();
}

int Kv_DlgDesignerData::findMostLeftCtrl(const Kv_Array<int>& ids) const {
    int mostLeft = -1;
    double best = 100000.0;
    for (int id : ids) {
        const Kv_DesignerControl* control = getControlFromRes(id);
        if (control != nullptr && getTopLeftX(*control) < best) {
            best = getTopLeftX(*control);
            mostLeft = id;
        }
    }
    return mostLeft;
}

// A control without an id (0) could never be selected, removed or read again, so a template
// whose id range is used up takes no more controls; the person is told why.
bool Kv_DlgDesignerData::hasFreeIdsFor(int count) const {
    std::set<int> taken;
    for (const Kv_DesignerControl& control : m_controls) taken.insert(control.resId);
    int free = 0;
    for (int id = std::max(m_firstDynId, 1); id <= m_lastDynId && free < count; ++id) free += taken.count(id) == 0;
    if (free >= count) return true;
    // The message carries the designer's own caption.
    char caption[256] = {};
    if (m_dialog) ::GetWindowText(m_dialog, caption, sizeof caption);
    ::MessageBox(m_dialog, string(kNoFreeIdText).c_str(), caption, MB_OK | MB_ICONWARNING);
    return false;
}

bool Kv_DlgDesignerData::addNewControl(Kv_ControlType type) {
    if (!hasFreeIdsFor(1)) return false;
    Kv_DesignerControl control;
    control.type = type;
    control.contents = dialString(171);
    control.topLeftX = 0.2;
    control.topLeftY = 0.2;
    control.bottomRightX = 0.2 + pixelsToFactor(true, kNewWidth);
    control.bottomRightY = 0.2 + pixelsToFactor(false, kNewHeight);
    append(control);
    drawControl(m_controls.last());
    return true;
}

bool Kv_DlgDesignerData::copyCurCtrls() {
    if (!m_designMode || !m_tracker || m_tracker->selection().empty()) return false;
    const Kv_Array<int> ids = getSelectedIds();
    if (!hasFreeIdsFor(ids.length())) return false;
    updateRectsFromWindows();
    Kv_Array<int> copies;
    for (int id : ids) {
        const Kv_DesignerControl* original = getControlFromRes(id);
        if (original == nullptr) continue;
        Kv_DesignerControl copy(*original);
        setTopLeftX(copy, getTopLeftX(*original) + kCopyOffset);
        setTopLeftY(copy, getTopLeftY(*original) + kCopyOffset);
        setBottomRightX(copy, getBottomRightX(*original) + kCopyOffset);
        setBottomRightY(copy, getBottomRightY(*original) + kCopyOffset);
        const int copyId = append(copy);
        drawControl(m_controls.last());
        copies.append(copyId);
    }
    redrawAllControls();
    selectControls(copies);
    return true;
}

bool Kv_DlgDesignerData::removeCurControls() {
    if (!m_designMode || !m_tracker) return false;
    const Kv_Array<int> ids = getSelectedIds();
    for (int id : ids) {
        removeDrawnControl(id);
        int index = -1;
        if (findCtrlFromResource(id, index)) removeControl(index);
    }
    return true;
}

void Kv_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Kv_DesignerControl* control = getControlWrite(index);
    if (control == nullptr) return;
    if (horizontal)
        control->bottomRightX = control->topLeftX + pixelsToFactor(true, pixels);
    else
        control->bottomRightY = control->topLeftY + pixelsToFactor(false, pixels);
}

bool Kv_DlgDesignerData::changeCurCtrlsSize(bool horizontal, double pixels) {
    if (!m_designMode || !m_tracker || m_tracker->selection().empty()) return false;
    const Kv_Array<int> ids = getSelectedIds();
    updateRectsFromWindows();
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index)) changeCtrlSize(index, horizontal, pixels);
    }
    redrawAllControls();
    selectControls(ids);
    return true;
}

bool Kv_DlgDesignerData::changeCtrlSize(bool horizontal) {
    if (!m_designMode || !m_tracker || m_tracker->selection().empty()) return false;
    frame::TextEntryRequest request;
    request.title = dialString(horizontal ? 90 : 744);
    request.prompt = dialString(horizontal ? 825 : 826);
    request.text = horizontal ? "30" : "18";
    request.okText = dialString(1);
    request.cancelText = dialString(2);
    if (!frame::askForText(request)) return false;
    return changeCurCtrlsSize(horizontal, request.text.toDouble());
}

bool Kv_DlgDesignerData::outlineCurCtrls() {
    if (!m_designMode || !m_tracker || m_tracker->selection().empty()) return false;
    const Kv_Array<int> ids = getSelectedIds();
    updateRectsFromWindows();
    const Kv_DesignerControl* reference = getControlFromRes(findMostLeftCtrl(ids));
    if (reference == nullptr) return false;
    const double bottom = getBottomRightY(*reference);
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index) || &m_controls[index] == reference) continue;
        Kv_DesignerControl& control = m_controls[index];
        const double height = getHeight(control);
        setBottomRightY(control, bottom);
        setHeight(control, height);
    }
    redrawAllControls();
    selectControls(ids);
    return true;
}

bool Kv_DlgDesignerData::stickRightCurCtrls() {
    if (!m_designMode || !m_tracker || m_tracker->selection().size() != 2) return false;
    const Kv_Array<int> ids = getSelectedIds();
    updateRectsFromWindows();
    const int referenceId = findMostLeftCtrl(ids);
    const int otherId = ids[0] == referenceId ? ids[1] : ids[0];
    const Kv_DesignerControl* reference = getControlFromRes(referenceId);
    int otherIndex = -1;
    if (reference == nullptr || !findCtrlFromResource(otherId, otherIndex)) return false;
    Kv_DesignerControl& other = m_controls[otherIndex];
    const double width = getWidth(other);
    other.topLeftY = reference->topLeftY;
    other.bottomRightY = reference->bottomRightY;
    setTopLeftX(other, getBottomRightX(*reference));
    setBottomRightX(other, getBottomRightX(*reference) + width);
    redrawAllControls();
    selectControls(ids);
    return true;
}

Kv_DesignerLayout Kv_DlgDesignerData::takeLayout() {
    updateRectsFromWindows();
    return Kv_DesignerLayout{m_controls, getSelectedIds()};
}

void Kv_DlgDesignerData::restoreLayout(const Kv_DesignerLayout& layout) {
    removeAllDrawnCtrls();
    m_controls = layout.controls;
    if (!m_initialised) return;
    redrawAllControls();
    selectControls(layout.selection);
}
