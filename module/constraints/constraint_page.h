#pragma once
// ConstraintPage: one tab page of the constraint editor, and the interface through which the
// editor's main window drives it.  The pages of the editor (constraint list, geometry,
// variables and equations, command palette) derive from it; each holds a pointer to the
// editor's one record, set before its window is created.
//
// The main window calls, in these situations (docs/constraint-editor.md):
// - leave():    its tab is left, or the module changes while it is shown.  Ends what it shows
//               in the drawing (highlights); never stores.
// - store():    before the module changes, before a palette command, select another macro,
//               rename, and when the window is destroyed.  Writes the page's edits into the
//               record and through the core library into the drawing.  False when there was
//               nothing to store.
// - refresh(reset): the record changed behind the page (module update, a command).  Shows the
//               record again; reset rebuilds its sheets from scratch.
// - activate(storeFirst): its tab is shown.  Each page does its own activation step;
//               storeFirst is false when the main window has just refreshed the page from a
//               record the core library rewrote, so that what the page shows is not written back
//               over it.
// Escape pressed inside a page closes the editor as its OK does, unless takeEscape() keeps it.

#include "host/acui_dialog.h"

class EditConstrData;
class DlgEditConstraints;

class ConstraintPage : public CAcUiTabChildDialog {
public:
    ConstraintPage(UINT templateId, DlgEditConstraints& editor) : CAcUiTabChildDialog(templateId), editor_(editor) {}

    EditConstrData* record = nullptr;

    virtual void leave() {}
    virtual bool store() { return false; }
    virtual void refresh(bool /*reset*/) {}
    virtual void activate(bool /*storeFirst*/) {}
    // True when the page swallows this Escape itself (the press that closed a dialog it ran).
    virtual bool takeEscape() { return false; }

    // What a sheet of the page reports (the sheet's control id first), decoded by WindowProc:
    // a left click (row 0 is the heading row), the active cell moving, a right click, and a
    // person's tick, combo choice or button press (code 60; the sheet's active cell is the one).
    virtual void onSheetClick(int /*sheetId*/, int /*col*/, int /*row*/) {}
    virtual void onSheetLeaveCell(int /*sheetId*/, int /*col*/, int /*row*/, int /*newCol*/, int /*newRow*/) {}
    virtual void onSheetRightClick(int /*sheetId*/, int /*col*/, int /*row*/) {}
    virtual void onSheetCellChanged(int /*sheetId*/) {}

    // The host's tab switching: leaving and showing.
    void OnTabActivation(BOOL activate) override;
    // Escape in the page, unless the focused control wants the key (an open cell editor).
    BOOL PreTranslateMessage(MSG* msg) override;
    // Decodes the sheet messages into the calls above, and counts the messages being handled,
    // so that the editor knows when it may delete itself.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    DlgEditConstraints& editor_;
};
