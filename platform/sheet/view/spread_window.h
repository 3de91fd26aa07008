// One window of the engine's class: its sheet model and the state of a person's work in it
// (the cell editor with its text and caret selection).  The window procedure turns a person's
// clicks and keys into edits of the sheet and into the notifications the parent listens to.
#pragma once

#include <string>

#include "sheet/sheet.h"
#include "sheet/ss_api.h"

namespace sheet {

struct SpreadWindow {
  HWND hwnd = nullptr;
  Sheet sheet;
  bool editing = false;
  CellRef editCell;
  std::string editText;        // what the editor shows
  std::string editOriginal;    // the cell's data when the editor opened
  int selStart = 0, selEnd = 0;
  // The open list of a combo cell: the highlighted item, -1 when closed.
  int comboItem = -1;
};

// The window's state, or null for a window of another class.
SpreadWindow* spreadOf(HWND hwnd);
LRESULT spreadWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Engine coordinates (-32767 for the header) to the model's (0 for the header).
inline int32_t modelCoord(SS_COORD c) { return c == SS_HEADER ? 0 : c; }

// A person's actions, shared by the window procedure and the calls that act for a person.
void notifyParent(SpreadWindow& w, WORD code);
void sendCellMessage(SpreadWindow& w, UINT msg, CellRef cell);
bool moveActiveCell(SpreadWindow& w, CellRef to);
void openEditor(SpreadWindow& w, const std::string& startText, bool replace);
// Closes the editor; with commit the text becomes the cell's data.  Sends the end-of-edit
// message, and when the data changed the change notification and the changed flag.
void closeEditor(SpreadWindow& w, bool commit);
// The cell under a point of the client area (col/row 0 for the headers), false outside.
bool cellAtPoint(const SpreadWindow& w, POINT p, CellRef& cell);

}  // namespace sheet
