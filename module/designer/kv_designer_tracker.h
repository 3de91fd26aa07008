#pragma once
// Kv_DesignerTracker: the selection on the designer's surface.  It knows the drawn controls of
// the template (it does not own them) and which of them are selected, in the order they were
// selected, so that "the first selected" means what the user did first.
//
// The template removes a drawn control from the tracker before destroying it; the tracker
// never touches a window it was not given.

#include <vector>

#include "core/kv_array.h"
#include "win/types.h"

class CRectTracker;
class Kv_DrawnControl;

class Kv_DesignerTracker {
public:
    explicit Kv_DesignerTracker(HWND dialog) : m_dialog(dialog) {}

    HWND dialog() const { return m_dialog; }
    void add(Kv_DrawnControl* control);
    // Takes the control out of both lists.
    void remove(Kv_DrawnControl* control);
    void forgetAll();

    const std::vector<Kv_DrawnControl*>& controls() const { return m_controls; }
    const std::vector<Kv_DrawnControl*>& selection() const { return m_selected; }
    Kv_Array<int> selectedIds() const;

    void clearSelection();
    void select(Kv_DrawnControl* control);  // appended when not yet selected
    void deselect(Kv_DrawnControl* control);
    void toggle(Kv_DrawnControl* control);
    bool isSelected(const Kv_DrawnControl* control) const;
    Kv_DrawnControl* findById(int id) const;

    // The platform tracker of one control: a frame, with resize handles when it is selected.
    static CRectTracker trackerFor(const Kv_DrawnControl& control);
    // The first control (in drawing order) whose rectangle or resize handles contain the point,
    // with the tracker's hit code (CRectTracker::hitTopLeft ... hitMiddle); nullptr when none.
    Kv_DrawnControl* hitTest(POINT point, int& hit) const;
    // The union of the selected rectangles; empty when nothing is selected.
    RECT selectionBounds() const;

    // Copies every rectangle from its window (after the windows were moved).
    void refreshRects();

private:
    HWND m_dialog = nullptr;
    std::vector<Kv_DrawnControl*> m_controls;
    std::vector<Kv_DrawnControl*> m_selected;
};
