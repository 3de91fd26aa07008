#pragma once
// Window procedures of the standard controls and the helpers they share.

#include <string>
#include <vector>

#include "kernel/kernel.h"
#include "win/font.h"

namespace win::detail {

LRESULT buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT staticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT editProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT richEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT comboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT listProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT tabProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT dialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The font a control measures its text with: its own, else the default GUI font.
FontSpec windowFont(HWND hwnd);
// Height of one list entry for a control's font.
int itemHeightFor(HWND hwnd);

// The radio group a control belongs to: its siblings from the nearest WS_GROUP at or before it
// up to the next WS_GROUP, in z-order.
std::vector<HWND> groupOf(HWND control);

// Owner-drawn painting: begins a paint and asks the parent to draw through WM_DRAWITEM.
void paintOwnerDrawn(HWND hwnd, UINT controlType, UINT itemId, UINT state, ULONG_PTR itemData);

// Items of a list box or of a combo box's list.
struct ListItem {
    std::string text;
    LPARAM data = 0;
    bool selected = false;
    int check = 0;
};

// Finds the first item from `start + 1` (wrapping) whose text starts with (prefix) or equals
// (exact) `text`, ignoring case; -1 when none.  `start` -1 searches from the top.
int findItem(const std::vector<ListItem>& items, int start, const std::string& text, bool exact);
// Where an item goes: at the end, or in sorted order.
int insertPosition(const std::vector<ListItem>& items, const std::string& text, bool sorted);

}  // namespace win::detail
