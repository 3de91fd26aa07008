#pragma once
// CDlgMacroCuts: creates a cut between parts of a macro, or edits one (DlgMacroCutsData).  The
// cut type is chosen from pictures; the type's parameters are rows of a sheet (label, variable
// name, key, whether the variable is asked); a few options depend on the type.  The macro the
// cut belongs to is typed, chosen from the modules of a picked macro, or picked in the drawing.
//
// OK checks, in order: a macro name is given; in mode 2 the cut name is not in use by the
// module (the cut being edited does not count); the variable names are valid.  Each refusal
// shows its message and keeps the dialog open.  Escape cancels and marks `escaped`.
//
// The record keeps what the person did not change: a type outside the pictures stays as it is
// unless another picture is chosen; parameter lists of unequal lengths keep the elements beyond
// the rows shown.

#include <array>

#include "core/bitmap_picker_combo.h"
#include "core/cresizer.h"
#include "core/records/dlg_macro_cuts_data.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"

class CDlgMacroCuts : public CAcUiDialog {
public:
    explicit CDlgMacroCuts(CWnd* parent = nullptr);

    DlgMacroCutsData data;
    bool escaped = false;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // The label of a parameter key in the sheet; a key without a label is shown as itself.
    static Kv_String parameterLabel(const Kv_String& key);
    // The picture files of the six cut types, under the installation's "icons\".
    static Kv_StringArray typePictureFiles();

private:
    void setLabels();
    void fillPicker();
    void setUpSheet();
    void showParameters(const Kv_StringArray& keys, const Kv_StringArray& variables, const Kv_Array<bool>& flags);
    void showTypeOptions();
    void updateDependants();
    void applyMode();
    void pickMacro();
    void fillMacroCombo(const Kv_StringArray& modules, const Kv_String& text);
    int shownChoice() const;
    void readBack();

    Kv_Spread sheet_;
    CBitmapPickerCombo picker_;
    TwResizer resizer_;
    int type_ = -1;  // the type the picker shows; -1 when the record's is no picture
    bool escapeKey_ = false;
    int rowsShown_ = 0;
};

// Runs the macro cut dialog: true, with the record copied back, when the person confirmed.
// `escaped` is set from the dialog however it closed.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& escaped);
