#include "frame/modeless_tables.h"

namespace frame {

namespace {
ModelessDialog* constraintEditor = nullptr;
}

ModelessMacroTable& ModelessMacroTable::instance() {
    static ModelessMacroTable table;
    return table;
}

ModelessDialog* ModelessMacroTable::at(int slot) const {
    if (slot < 0 || slot >= length()) return nullptr;
    return slots_[static_cast<std::size_t>(slot)];
}

bool ModelessMacroTable::put(int slot, ModelessDialog* dialog) {
    if (slot < 0) return false;
    if (slot >= length()) slots_.resize(static_cast<std::size_t>(slot) + 1, nullptr);
    slots_[static_cast<std::size_t>(slot)] = dialog;
    return true;
}

void ModelessMacroTable::release(int slot) {
    if (slot < 0 || slot >= length()) return;
    slots_[static_cast<std::size_t>(slot)] = nullptr;
    if (slot != length() - 1) return;
    while (!slots_.empty() && slots_.back() == nullptr) slots_.pop_back();
}

ModelessDialog* modelessConstraintEditor() { return constraintEditor; }
void setModelessConstraintEditor(ModelessDialog* editor) { constraintEditor = editor; }

}  // namespace frame

void DestroyAllMacroDlgs() {
    frame::ModelessMacroTable& table = frame::ModelessMacroTable::instance();
    const int length = table.length();
    for (int slot = length - 1; slot >= 0; --slot)
        if (frame::ModelessDialog* dialog = table.at(slot)) dialog->endModeless();
}

void DestroyAllMacroDlgsAtUnload() {
    frame::ModelessMacroTable& table = frame::ModelessMacroTable::instance();
    const int length = table.length();
    for (int slot = length - 1; slot >= 0; --slot)
        if (frame::ModelessDialog* dialog = table.at(slot)) dialog->endWithoutWaiting();
}

void EndDlgEditConstraints() {
    if (frame::ModelessDialog* editor = frame::modelessConstraintEditor()) editor->endModeless();
}
