#pragma once
// Kv_DesignerHistory: the designer's undo and redo.  Each step is the layout before one edit
// (controls with their ids, and the selection), and for a new picture the former picture
// file's bytes (or that there was none).  Undoing puts the current layout on the redo
// side and gives back the one before; a new edit clears the redo side.  Steps carrying the
// same merge key one after the other are one step (typing into one panel field for one
// selection).  The oldest steps go beyond the cap.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "designer/kv_dlg_designer_data.h"

// A template's picture file as it was: its whole bytes, or none.
struct Kv_DesignerPicture {
    Kv_String path;
    bool exists = false;
    std::string bytes;
};

struct Kv_DesignerStep {
    Kv_DesignerLayout layout;
    std::optional<Kv_DesignerPicture> picture;
};

class Kv_DesignerHistory {
public:
    static constexpr size_t kDefaultCap = 200;
    explicit Kv_DesignerHistory(size_t cap = kDefaultCap) : cap_(cap == 0 ? 1 : cap) {}

    // The layout before an edit that changed something.  mergeKey 0 never merges.
    void record(Kv_DesignerStep before, long long mergeKey = 0);
    // Ends any merging: the next edit is a step of its own.
    void endMerge() { lastKey_ = 0; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // current is the layout now; restored receives the one to put back.  False when empty.
    // The current step must carry the picture too when the step to put back does.
    bool undo(Kv_DesignerStep current, Kv_DesignerStep& restored);
    bool redo(Kv_DesignerStep current, Kv_DesignerStep& restored);
    // The step undo or redo would put back; nullptr when there is none.
    const Kv_DesignerStep* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const Kv_DesignerStep* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    void clear();
    size_t undoSteps() const { return undo_.size(); }
    size_t redoSteps() const { return redo_.size(); }

private:
    size_t cap_;
    long long lastKey_ = 0;
    std::deque<Kv_DesignerStep> undo_;
    std::deque<Kv_DesignerStep> redo_;
};
