// One window of the engine's class: its sheet model and the state of a person's work in it
// (the cell editor with its text and caret selection).  The window procedure turns a person's
// clicks and keys into edits of the sheet and into the notifications the parent listens to.
#pragma once

#include <string>
#include <vector>

#include "sheet/sheet.h"
#include "sheet/ss_api.h"

namespace sheet {

struct SpreadWindow {
    HWND hwnd = nullptr;
    Sheet sheet;
    bool editing = false;
    CellRef editCell;
    std::string editText;      // what the editor shows
    std::string editOriginal;  // the cell's data when the editor opened
    int selStart = 0, selEnd = 0;
    // The open list of a combo cell: the highlighted item, -1 when closed.
    int comboItem = -1;
    // What the last load of a workbook had to tell (SSGetLoadNotes).
    std::vector<std::string> loadNotes;
};

// The window's state, or null for a window of another class.
SpreadWindow* spreadOf(HWND hwnd);
// The sheet the window shows, or null for a window of another class.
inline Sheet* sheetOf(HWND hwnd) {
    SpreadWindow* w = spreadOf(hwnd);
    return w ? &w->sheet : nullptr;
}
LRESULT spreadWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Engine coordinates (-32767 for the header) to the model's (0 for the header).
inline int32_t modelCoord(SS_COORD c) { return c == SS_HEADER ? 0 : c; }

// A person's actions, shared by the window procedure and the calls that act for a person.
void notifyParent(SpreadWindow& w, WORD code);
void sendCellMessage(SpreadWindow& w, UINT msg, CellRef cell);
bool moveActiveCell(SpreadWindow& w, CellRef to);
void openEditor(SpreadWindow& w, const std::string& startText, bool replace);
// Closes the editor; with commit the text becomes the cell's data.  Sends the end-of-edit
// message, and when the data changed the change notification and the changed flag.  A number
// cell refuses a text that is no number or lies outside its limits: the cell keeps its data,
// as after Escape.
void closeEditor(SpreadWindow& w, bool commit);
// Before rows or columns move (insert, delete, copy, swap, a new size), an open editor is
// committed into the cell it was opened on, and an open combo list closes, so that what a
// person typed lands in that cell and then moves with it.
void endEditBeforeStructureChange(SpreadWindow& w);
// Whether a person may type a text into a cell of this type: not into a drop-down list
// (a combo cell without the editable style bit), which keeps to its items.
bool takesTypedText(const CellTypeRecord& type);
// The items of a combo cell, in order.
std::vector<std::string> comboItems(const CellTypeRecord& type);
// The chosen entry of a combo cell.  The first entry of a text is stored as that text (as typed);
// a later entry of the same text keeps its number as the cell's value with the text as its
// data, so that two entries of the same text stay apart.  Data set as text reads as the first
// entry of that text; -1 when the data is no entry.
int comboIndex(const Sheet& s, CellRef cell);
// Chooses entry `index` (-1 empties the cell); false for an index that names no entry.
bool setComboIndex(Sheet& s, CellRef cell, int index);
// Whether a text a person enters (typing or pasting) may become the cell's data: a drop-down
// list takes its items only, a number cell numbers within its limits.  Calls are not judged.
bool personMayEnter(const Sheet& s, CellRef cell, const std::string& text);
// The cell under a point of the client area (col/row 0 for the headers), false outside.
bool cellAtPoint(const SpreadWindow& w, POINT p, CellRef& cell);

}  // namespace sheet
