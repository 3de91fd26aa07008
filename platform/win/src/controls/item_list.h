#pragma once
// The entries of a list box or of a combo box's list, and the messages both classes answer
// alike: adding, inserting, deleting and counting entries, their texts, item data, look-up
// (ignoring case through platform/base's cp1252 folding) and check marks.  Each class maps its
// own message numbers to these operations and keeps its selection in step through
// ItemListEvents.

#include <optional>
#include <string>
#include <vector>

#include "controls/controls.h"

namespace win::detail {

enum class ItemOp {
    Add,
    Insert,
    Delete,
    Reset,
    Count,
    GetText,
    GetTextLength,
    Find,
    FindExact,
    GetData,
    SetData,
    SetCheckStyle,
    GetCheckStyle,
    SetCheck,
    GetCheck
};

// The list box's and the combo box's message numbers of the shared operations.
std::optional<ItemOp> listBoxItemOp(UINT msg);
std::optional<ItemOp> comboBoxItemOp(UINT msg);

// What the control holding the list does when entries come and go: its own indexes (selection,
// caret, top entry...) follow.
class ItemListEvents {
public:
    virtual ~ItemListEvents() = default;
    virtual void inserted(HWND hwnd, int index) = 0;
    virtual void erased(HWND hwnd, int index) = 0;
    virtual void cleared(HWND hwnd) = 0;
};

struct ItemList {
    std::vector<ListItem> items;
    UINT checkStyle = 0;  // a BS_* check style; 0: no check marks

    int count() const { return static_cast<int>(items.size()); }
    bool valid(int i) const { return i >= 0 && i < count(); }
    ListItem& at(int i) { return items[static_cast<size_t>(i)]; }
    const ListItem& at(int i) const { return items[static_cast<size_t>(i)]; }
    // A person may change the marks (automatic check styles).
    bool autoChecks() const { return checkStyle == BS_AUTOCHECKBOX || checkStyle == BS_AUTO3STATE; }
    // The mark after a tick: three-state styles cycle through undetermined.
    int nextCheck(int check) const;
    // See findItem.
    int find(int start, const std::string& text, bool exact) const { return findItem(items, start, text, exact); }

    // Answers one shared operation; the error value is -1 (LB_ERR, CB_ERR).  `sorted`: Add
    // keeps the entries in order; `stringsKept`: entries hold texts, else Add and Insert keep
    // lParam as the item data and GetText copies the data out.
    LRESULT handle(HWND hwnd, ItemOp op, WPARAM wParam, LPARAM lParam, bool sorted, bool stringsKept,
                   ItemListEvents& events);

private:
    int insert(HWND hwnd, int index, LPARAM lParam, bool sorted, bool stringsKept, ItemListEvents& events);
};

}  // namespace win::detail
