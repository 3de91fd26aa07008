// The entry list shared by list boxes and combo boxes (see item_list.h).

#include "controls/item_list.h"

#include <cstring>

#include "win/combo_checks.h"

namespace win::detail {

std::optional<ItemOp> listBoxItemOp(UINT msg) {
    switch (msg) {
    case LB_ADDSTRING: return ItemOp::Add;
    case LB_INSERTSTRING: return ItemOp::Insert;
    case LB_DELETESTRING: return ItemOp::Delete;
    case LB_RESETCONTENT: return ItemOp::Reset;
    case LB_GETCOUNT: return ItemOp::Count;
    case LB_GETTEXT: return ItemOp::GetText;
    case LB_GETTEXTLEN: return ItemOp::GetTextLength;
    case LB_FINDSTRING: return ItemOp::Find;
    case LB_FINDSTRINGEXACT: return ItemOp::FindExact;
    case LB_GETITEMDATA: return ItemOp::GetData;
    case LB_SETITEMDATA: return ItemOp::SetData;
    case LB_SETCHECKSTYLE: return ItemOp::SetCheckStyle;
    case LB_GETCHECKSTYLE: return ItemOp::GetCheckStyle;
    case LB_SETCHECK: return ItemOp::SetCheck;
    case LB_GETCHECK: return ItemOp::GetCheck;
    default: return std::nullopt;
    }
}

std::optional<ItemOp> comboBoxItemOp(UINT msg) {
    switch (msg) {
    case CB_ADDSTRING: return ItemOp::Add;
    case CB_INSERTSTRING: return ItemOp::Insert;
    case CB_DELETESTRING: return ItemOp::Delete;
    case CB_RESETCONTENT: return ItemOp::Reset;
    case CB_GETCOUNT: return ItemOp::Count;
    case CB_GETLBTEXT: return ItemOp::GetText;
    case CB_GETLBTEXTLEN: return ItemOp::GetTextLength;
    case CB_FINDSTRING: return ItemOp::Find;
    case CB_FINDSTRINGEXACT: return ItemOp::FindExact;
    case CB_GETITEMDATA: return ItemOp::GetData;
    case CB_SETITEMDATA: return ItemOp::SetData;
    case CB_SETCHECKSTYLE: return ItemOp::SetCheckStyle;
    case CB_GETCHECKSTYLE: return ItemOp::GetCheckStyle;
    case CB_SETCHECK: return ItemOp::SetCheck;
    case CB_GETCHECK: return ItemOp::GetCheck;
    default: return std::nullopt;
    }
}

int ItemList::nextCheck(int check) const {
    if (checkStyle == BS_AUTO3STATE || checkStyle == BS_3STATE) return (check + 1) % 3;
    return check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
}

int ItemList::insert(HWND hwnd, int index, LPARAM lParam, bool sorted, bool stringsKept, ItemListEvents& events) {
    ListItem item;
    if (stringsKept)
        item.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    else
        item.data = lParam;
    if (sorted)
        index = insertPosition(items, item.text, true);
    else if (index < 0 || index > count())
        index = count();
    items.insert(items.begin() + index, std::move(item));
    events.inserted(hwnd, index);
    invalidateTree(hwnd, false);
    return index;
}

LRESULT ItemList::handle(HWND hwnd, ItemOp op, WPARAM wParam, LPARAM lParam, bool sorted, bool stringsKept,
                         ItemListEvents& events) {
    constexpr LRESULT kError = -1;
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    switch (op) {
    case ItemOp::Add: return insert(hwnd, -1, lParam, sorted, stringsKept, events);
    case ItemOp::Insert:
        if (index > count()) return kError;
        return insert(hwnd, index, lParam, false, stringsKept, events);
    case ItemOp::Delete:
        if (!valid(index)) return kError;
        items.erase(items.begin() + index);
        events.erased(hwnd, index);
        invalidateTree(hwnd, false);
        return count();
    case ItemOp::Reset:
        items.clear();
        events.cleared(hwnd);
        invalidateTree(hwnd, false);
        return 0;
    case ItemOp::Count: return count();
    case ItemOp::GetText:
        if (!valid(index)) return kError;
        if (!stringsKept) {
            if (lParam) std::memcpy(reinterpret_cast<void*>(lParam), &at(index).data, sizeof(LPARAM));
            return sizeof(LPARAM);
        }
        if (lParam) std::memcpy(reinterpret_cast<char*>(lParam), at(index).text.c_str(), at(index).text.size() + 1);
        return static_cast<LRESULT>(at(index).text.size());
    case ItemOp::GetTextLength: return valid(index) ? static_cast<LRESULT>(at(index).text.size()) : kError;
    case ItemOp::Find:
    case ItemOp::FindExact: return find(index, text, op == ItemOp::FindExact);
    case ItemOp::GetData: return valid(index) ? at(index).data : kError;
    case ItemOp::SetData:
        if (!valid(index)) return kError;
        at(index).data = lParam;
        return 0;
    case ItemOp::SetCheckStyle:
        checkStyle = static_cast<UINT>(wParam);
        invalidateTree(hwnd, false);
        return TRUE;
    case ItemOp::GetCheckStyle: return checkStyle;
    case ItemOp::SetCheck:
        if (!valid(index)) return kError;
        at(index).check = static_cast<int>(lParam);
        invalidateTree(hwnd, false);
        return 0;
    case ItemOp::GetCheck: return valid(index) ? at(index).check : kError;
    }
    return kError;
}

}  // namespace win::detail
