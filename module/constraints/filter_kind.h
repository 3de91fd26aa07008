#pragma once
// FilterKind: one kind of macro filter on a settings page (axis angle, section angle, path
// distance, section size): a check-marked list of the kind's names, an enable box and the
// detail controls of the selected entry, inside the kind's group box.  The page keeps one per
// kind and passes its notifications on.
//
// The list's mark of an entry and the enable box always agree: the box is stored into the
// entry's flag and its mark; a click on a mark selects that entry and sets its box.
//
// The filter record is stored input: arrays parallel to the names may be short (read as off,
// 0 or empty) or long.  Storing an entry grows the short arrays to the names' length with
// those values, and never touches an index outside an array.  A number edit whose text is
// still the one shown keeps the stored value (the two decimals shown are not the value).

#include <map>
#include <utility>
#include <vector>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

class FilterKind {
public:
    struct Ids {
        int list;
        int enable;
        int group;
    };
    FilterKind(Ids ids, std::vector<int> detailIds) : ids_(ids), detailIds_(std::move(detailIds)) {}
    virtual ~FilterKind() = default;
    FilterKind(const FilterKind&) = delete;
    FilterKind& operator=(const FilterKind&) = delete;

    // Fills the list from the names, marks each entry as its flag, disables list, box and
    // group when there are no names, selects entry 0 and shows it.
    void init(CWnd& page);
    // The page's WM_COMMAND for the kind's list and box; true when it was theirs.
    bool onCommand(int id, int code);
    // Writes the selected entry's box and details into the record (nothing without one).
    void storeSelected();
    int selected() const { return selected_; }

protected:
    virtual Kv_StringArray& names() = 0;
    virtual Kv_Array<bool>& flags() = 0;
    // The kind's own detail controls for entry i (a valid name index).
    virtual void showDetails(int i) = 0;
    virtual void storeDetails(int i) = 0;
    virtual void enableDetails(bool enable);

    // A number edit showing values[i] with two decimals (0 past the array's end).
    void showNumber(int editId, const Kv_Array<double>& values, int i);
    // Grows values to the names' length with 0, then takes the edit's number (C atof) unless
    // its text is still the one shown.
    void storeNumber(int editId, Kv_Array<double>& values, int i);
    template <typename T>
    void growToNames(Kv_Array<T>& values, const T& fill) {
        while (values.length() < names().length()) values.append(fill);
    }

    CWnd* page_ = nullptr;

private:
    void show(int i);
    void select(int i);
    void setMark(int i, bool on);
    void onMarkClicked();
    void onEnableClicked();
    bool boxChecked() const;

    Ids ids_;
    std::vector<int> detailIds_;
    int selected_ = -1;
    std::vector<int> marks_;              // the marks as the page last set them
    std::map<int, Kv_String> shownText_;  // per number edit, the text shown for the entry
};
