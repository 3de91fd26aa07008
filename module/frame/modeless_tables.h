#pragma once
// The module-wide tables of dialogs that outlive their launcher: the modeless macro dialogs,
// numbered by slot, and the single modeless constraint editor.  The frame closes whatever
// they hold when the module unloads; the dialogs themselves decide how they close (a busy
// macro dialog puts its close off), so the tables only hold them through this interface.

#include <cstddef>
#include <vector>

namespace frame {

class ModelessDialog {
public:
    virtual ~ModelessDialog() = default;
    // Ends the dialog as its own end function does (removing it from its table, possibly
    // later).  False when the dialog could not be ended.
    virtual bool endModeless() = 0;
    // Ends the dialog at once, whatever it would otherwise wait for: the module is about to be
    // unloaded, and nothing of it (a window, a timer calling back into it) may outlive it.
    virtual bool endWithoutWaiting() { return endModeless(); }
};

// Slot n holds the dialog numbered n or nullptr (a free slot).  The table does not own the
// dialogs: each is ended through endModeless, which takes it out of its slot.
class ModelessMacroTable {
public:
    static ModelessMacroTable& instance();

    int length() const { return static_cast<int>(slots_.size()); }
    // nullptr for a free slot or a number outside the table.
    ModelessDialog* at(int slot) const;
    // Grows the table with free slots when needed.  False for a negative number.
    bool put(int slot, ModelessDialog* dialog);
    // Frees the slot; when it was the last one, trailing free slots are dropped too, so the
    // table never ends in a free slot after a close.
    void release(int slot);

private:
    std::vector<ModelessDialog*> slots_;
};

// The one modeless constraint editor, or nullptr.
ModelessDialog* modelessConstraintEditor();
void setModelessConstraintEditor(ModelessDialog* editor);

}  // namespace frame

// Closes every modeless macro dialog, from the last slot down to slot 0 (the table's length
// is taken once, before the first close).
void DestroyAllMacroDlgs();
// The unload's walk: the same order, every dialog ended without waiting.
void DestroyAllMacroDlgsAtUnload();
// Closes the modeless constraint editor when one is open.
void EndDlgEditConstraints();
