// Kv_DesignerHistory: undo and redo steps of the designer.
#include "designer/kv_designer_history.h"

#include <utility>

void Kv_DesignerHistory::record(Kv_DesignerStep before, long long mergeKey) {
    redo_.clear();
    const bool merges = mergeKey != 0 && mergeKey == lastKey_ && !undo_.empty();
    lastKey_ = mergeKey;
    if (merges) return;
    undo_.push_back(std::move(before));
    while (undo_.size() > cap_) undo_.pop_front();
}

bool Kv_DesignerHistory::undo(Kv_DesignerStep current, Kv_DesignerStep& restored) {
    lastKey_ = 0;
    if (undo_.empty()) return false;
    restored = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(current));
    return true;
}

bool Kv_DesignerHistory::redo(Kv_DesignerStep current, Kv_DesignerStep& restored) {
    lastKey_ = 0;
    if (redo_.empty()) return false;
    restored = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(current));
    while (undo_.size() > cap_) undo_.pop_front();
    return true;
}

void Kv_DesignerHistory::clear() {
    undo_.clear();
    redo_.clear();
    lastKey_ = 0;
}
