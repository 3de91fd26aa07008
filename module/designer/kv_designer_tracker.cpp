#include "designer/kv_designer_tracker.h"

#include <algorithm>

#include "designer/kv_drawn_control.h"
#include "win/afx/tracker.h"
#include "win/winuser.h"

void Kv_DesignerTracker::add(Kv_DrawnControl* control) {
    if (control != nullptr && std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end())
        m_controls.push_back(control);
}

void Kv_DesignerTracker::remove(Kv_DrawnControl* control) {
    deselect(control);
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
}

void Kv_DesignerTracker::forgetAll() {
    clearSelection();
    m_controls.clear();
}

Kv_Array<int> Kv_DesignerTracker::selectedIds() const {
    Kv_Array<int> ids;
    for (const Kv_DrawnControl* control : m_selected) ids.append(control->id());
    return ids;
}

void Kv_DesignerTracker::clearSelection() {
    for (Kv_DrawnControl* control : m_selected) control->selected = false;
    m_selected.clear();
}

void Kv_DesignerTracker::select(Kv_DrawnControl* control) {
    if (control == nullptr || isSelected(control)) return;
    control->selected = true;
    m_selected.push_back(control);
}

void Kv_DesignerTracker::deselect(Kv_DrawnControl* control) {
    auto found = std::find(m_selected.begin(), m_selected.end(), control);
    if (found == m_selected.end()) return;
    control->selected = false;
    m_selected.erase(found);
}

void Kv_DesignerTracker::toggle(Kv_DrawnControl* control) {
    if (isSelected(control))
        deselect(control);
    else
        select(control);
}

bool Kv_DesignerTracker::isSelected(const Kv_DrawnControl* control) const {
    return std::find(m_selected.begin(), m_selected.end(), control) != m_selected.end();
}

Kv_DrawnControl* Kv_DesignerTracker::findById(int id) const {
    for (Kv_DrawnControl* control : m_controls)
        if (control->id() == id) return control;
    return nullptr;
}

CRectTracker Kv_DesignerTracker::trackerFor(const Kv_DrawnControl& control) {
    // Only a selected control shows (and answers to) resize handles.
    const UINT style =
        CRectTracker::solidLine | (control.selected ? static_cast<UINT>(CRectTracker::resizeOutside) : 0u);
    return CRectTracker(&control.rect, style);
}

Kv_DrawnControl* Kv_DesignerTracker::hitTest(POINT point, int& hit) const {
    for (Kv_DrawnControl* control : m_controls) {
        const int code = trackerFor(*control).HitTest(CPoint(point));
        if (code != CRectTracker::hitNothing) {
            hit = code;
            return control;
        }
    }
    hit = CRectTracker::hitNothing;
    return nullptr;
}

RECT Kv_DesignerTracker::selectionBounds() const {
    RECT bounds{};
    bool first = true;
    for (const Kv_DrawnControl* control : m_selected) {
        if (first) {
            bounds = control->rect;
            first = false;
        } else {
            bounds.left = std::min(bounds.left, control->rect.left);
            bounds.top = std::min(bounds.top, control->rect.top);
            bounds.right = std::max(bounds.right, control->rect.right);
            bounds.bottom = std::max(bounds.bottom, control->rect.bottom);
        }
    }
    return bounds;
}

void Kv_DesignerTracker::refreshRects() {
    for (Kv_DrawnControl* control : m_controls) control->rect = control->windowRect();
}
