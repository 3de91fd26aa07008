#pragma once
// CDlgMacroProfSegmented: edits the segmented profiles of a profile tab (profiles placed along
// a polyline in segments), one at a time: its name, the gap between segments, whether it
// breaks at every polyline point, and its points, one sheet row each.  The dialog works on its
// own list; OK hands the whole list back, Cancel nothing.
//
// Rules it keeps:
// - The profile shown is stored before another is shown and before OK hands the list back,
//   so every profile keeps what the person typed for it.
// - A point is a text "x,y[,z]" in the record; the sheet shows its parts in the columns X, Y
//   and Z (anything after a third comma stays in Z), and joins them back without trailing
//   empty parts, so an untouched point comes back as it was.

#include "core/cbutton_st.h"
#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/records/macro_elements.h"
#include "host/acui_dialog.h"
#include "core/child_layout.h"
#include "spread/kv_spread.h"

class CDlgMacroProfSegmented : public CAcUiDialog {
public:
    explicit CDlgMacroProfSegmented(CWnd* parent = nullptr);

    Kv_Array<MacroProfSegmentedData> profiles;

    // The sheet's parts of a point text, and the text of a row's parts.
    static void splitPoint(const Kv_String& point, Kv_String parts[3]);
    static Kv_String joinPoint(const Kv_String parts[3]);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void setLabels();
    void makeIconButtons();
    void setUpSheet();
    void anchorControls();
    void fillProfileCombo();
    void showProfile(int index);
    void storeShownProfile();
    void selectionChanged();
    void addRow();
    void removeRow();
    void pickPoint();

    Kv_Spread sheet_;
    ChildLayout layout_;
    CButtonST addButton_, removeButton_;
    int shown_ = -1;
};

// Runs the dialog inside the module's resources over the tab's segmented profiles: true, with
// the list copied back, when the person confirmed; otherwise false and the list unchanged.
bool StartDlgMacroProfSegmented(Kv_Array<MacroProfSegmentedData>& profiles);
