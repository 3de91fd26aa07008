#pragma once
// Kv_DesignerHistory: the designer's undo and redo.  Each step is the layout before one edit
// (controls with their ids, and the selection).  Undoing puts the current layout on the redo
// side and gives back the one before; a new edit clears the redo side.  Steps carrying the
// same merge key one after the other are one step (typing into one panel field for one
// selection).  The oldest steps go beyond the cap.

#include <cstddef>
#include <deque>

#include "designer/kv_dlg_designer_data.h"

class Kv_DesignerHistory {
public:
    static constexpr size_t kDefaultCap = 200;
    explicit Kv_DesignerHistory(size_t cap = kDefaultCap) : cap_(cap == 0 ? 1 : cap) {}

    // The layout before an edit that changed something.  mergeKey 0 never merges.
    void record(Kv_DesignerLayout before, long long mergeKey = 0);
    // Ends any merging: the next edit is a step of its own.
    void endMerge() { lastKey_ = 0; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // current is the layout now; restored receives the one to put back.  False when empty.
    bool undo(Kv_DesignerLayout current, Kv_DesignerLayout& restored);
    bool redo(Kv_DesignerLayout current, Kv_DesignerLayout& restored);
    void clear();
    size_t undoSteps() const { return undo_.size(); }
    size_t redoSteps() const { return redo_.size(); }

private:
    size_t cap_;
    long long lastKey_ = 0;
    std::deque<Kv_DesignerLayout> undo_;
    std::deque<Kv_DesignerLayout> redo_;
};
