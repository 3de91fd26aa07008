#pragma once
// CDlgMacroArray: edits one dynamic array of a macro (DynArrayData): its type, the four
// dimensions that drive it, its values, two tri-state options and its entries, one sheet row
// per entry.  What a type does not use is hidden; the dimension lists follow the type.
//
// The record keeps what the person did not change: a type outside -1..3 shows no type and
// stays as it is unless one is chosen; a box left indeterminate stays -1.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/records/dyn_array_data.h"
#include "host/acui_dialog.h"
#include "host/ac_array.h"
#include "host/object_id.h"
#include "spread/kv_spread.h"

class CDlgMacroArray : public CAcUiDialog {
public:
    explicit CDlgMacroArray(CWnd* parent = nullptr);

    DynArrayData data;
    AcArray<AcDbObjectId> ids;  // the macro instances, only to list valid dimension names
    Kv_String moduleName;

    // The controls type `type` leaves unused (any type outside 0..3 leaves only value0 unused).
    static Kv_Array<int> hiddenControls(int type);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void setLabels();
    void setUpSheet();
    void formatColumns();
    void showRecord();
    void showEntries();
    void applyTypeLayout();
    void refillDimensions();
    // The selected rows of the sheet, clamped to its rows; false when it has none.
    bool selectedRows(int& first, int& last) const;
    void addRows();
    void deleteRows();
    void markRowsSkipped();
    void readBack();

    Kv_Spread sheet_;
};

// Runs the array dialog inside the module's resources: true, with the record copied back,
// when the person confirmed; otherwise false and `data` unchanged.
bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Kv_String& moduleName);
