#pragma once
// Drives the constraint list page over a record made from bytes: the record is stored input
// whose arrays need not fit together.  The page is opened in the modeless editor, then the
// remaining bytes click rows, headings and option buttons, store, and delete, as a person
// would through the window system's input; finally the editor is ended.  Used by the fuzzer
// and, over a fixed set of inputs, by the module's tests.

#include <cstddef>
#include <cstdint>

#include "constraints/constraint_launchers.h"
#include "constraints/constraints_ids.h"
#include "constraints/dlg_edit_constraints.h"
#include "core/records/edit_constr_data.h"
#include "frame/modeless_tables.h"
#include "win/input.h"
#include "win/system.h"

namespace constraint_fuzz {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    int next(int limit) { return limit <= 0 || empty() ? 0 : data_[at_++] % limit; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

inline Kv_StringArray texts(Bytes& in, int most, const char* const* choices, int count) {
    Kv_StringArray out;
    for (int n = in.next(most + 1); n > 0; --n) out.append(choices[in.next(count)]);
    return out;
}

inline Kv_Array<int> ints(Bytes& in, int most, int low, int high) {
    Kv_Array<int> out;
    for (int n = in.next(most + 1); n > 0; --n) out.append(low + in.next(high - low + 1));
    return out;
}

// Each array gets a length of its own, around the number of rows.
inline EditConstrData recordFrom(Bytes& in) {
    static const char* const cells[] = {"Width", "Distance", "", "300", "b", "len+"};
    static const char* const images[] = {"%radioBreak%", "missing.bmp", "%RADIOBREAK%", "%radioBreak%", ""};
    EditConstrData r;
    const int rows = in.next(6);
    auto length = [&] { return rows + in.next(3) - 1; };
    for (int i = length(); i > 0; --i) r.rowCells.append(texts(in, 5, cells, 6));
    for (int i = length(); i > 0; --i) r.constraintIds.append(in.next(4));
    for (int i = length(); i > 0; --i) r.constraintKinds.append(in.next(3) - 1);
    r.currentConstraintId = in.next(4);
    for (int i = length(); i > 0; --i) r.optionImages.append(texts(in, 9, images, 5));
    for (int i = length(); i > 0; --i) r.features.append(ints(in, 5, -1, 5));
    for (int i = length(); i > 0; --i) r.values.append(cells[in.next(6)]);
    for (int i = length(); i > 0; --i) r.variableNames.append(cells[in.next(6)]);
    for (int i = length(); i > 0; --i) r.choiceIndex.append(in.next(6) - 2);
    for (int i = length(); i > 0; --i) r.firstCheck.append(in.next(2) == 1);
    for (int i = length(); i > 0; --i) r.secondCheck.append(in.next(2) == 1);
    for (int i = length(); i > 0; --i) r.choiceItems.append(texts(in, 3, cells, 6));
    for (int i = length(); i > 0; --i) r.optionStates.append(ints(in, 3, -1, 7));
    return r;
}

inline void click(HWND page, int id) {
    if (HWND control = ::GetDlgItem(page, id)) {
        win::input::clickCenter(control);
        win::pumpMessages();
    }
}

// Opens the editor over the record and plays the rest of the bytes as a person's actions.
inline void drive(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    EditConstrData record = recordFrom(in);
    StartDlgEditConstraints(record);
    auto* editor = dynamic_cast<DlgEditConstraints*>(frame::modelessConstraintEditor());
    if (!editor) return;
    HWND page = editor->page(0)->m_hWnd;
    auto& list = *dynamic_cast<ConstrListPage*>(editor->page(0));
    static const int options[] = {IDC_CL_OPTION_1, IDC_CL_OPTION_2, IDC_CL_OPTION_3, IDC_CL_OPTION_4, IDC_CL_OPTION_5};
    for (int step = 0; step < 24 && !in.empty() && frame::modelessConstraintEditor(); ++step) {
        switch (in.next(6)) {
        case 0: {  // a row, or a heading (row 0)
            HWND sheet = ::GetDlgItem(page, IDC_CL_SHEET);
            const int row = in.next(8), col = 1 + in.next(4);
            win::input::click(sheet, POINT{col * 150 - 75, row * 20 + 10});
            win::pumpMessages();
            break;
        }
        case 1: click(page, options[in.next(5)]); break;
        case 2: click(page, IDC_CL_CHECK_1); break;
        case 3: list.storeConstraintEdits(); break;
        case 4: click(page, IDC_CL_DELETE); break;
        default: list.refreshConstraintList(in.next(2) == 1); break;
        }
    }
    EndDlgEditConstraints();
}

}  // namespace constraint_fuzz
