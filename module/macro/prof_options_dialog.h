#pragma once
// CDlgMacroProfOptions: the dialog of the profile options (dlg_macro_prof_options.h says how it
// is run).  It shows one MacroProfData as the callback gives it, reads every control back after
// each change, hands the result to the callback (kind 1) and shows what comes back.  Picks and
// the zoom hide the dialog between callback kinds 2 and 3.

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_string_array.h"
#include "host/acui_dialog.h"
#include "macro/dlg_macro_prof_options.h"

class CDlgMacroProfOptions : public CAcUiDialog {
public:
    explicit CDlgMacroProfOptions(CWnd* parent = nullptr);

    // In: what the run asks; out: flag and createdCoordSys.
    TwMACallBackData data;
    ProfOptionsCallback callback;
    Kv_String startHint;
    bool groupFixed = false;
    bool flag = false;
    AcDbObjectId createdCoordSys;

    // The profile data shown (tests and the launchers read it after the run).
    const MacroProfData& profile() const { return prof_; }

    // How much taller a morphed profile makes the window.
    static constexpr int kMorphedExtraHeight = 65;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void setLabels();
    void fillCombos();
    void layOut();
    void showData();
    void showSectionPicture();
    void showRotation();
    void showPlane();
    void readBack();
    void readRotation();
    void readPlane();
    // Reads the controls back, calls the callback with kind 1 and shows the result.
    void apply();
    bool call(TwMACallBackType kind);
    // Runs `action` hidden (kind 2 before, kind 3 after); its result.
    template <typename Action>
    bool hiddenFor(Action&& action, bool hide = true);
    void chooseSectionFor(bool endProfile);
    void pickSectionPoint();
    void pickPlane();
    void zoom();
    void createCoordSysOnce();
    void runStartHint();
    void readFlag();

    MacroProfData prof_;
    bool morphed_ = false;
    bool showing_ = false;  // controls being filled: their notifications are no edits
    bool zooming_ = false;
    bool triStateClicked_ = false;  // 1354 stays three-state until its first click
    bool flagShown_ = false;
    Kv_StringArray profileNames_;
    Kv_StringArray endProfileNames_;
    AcArray<AcDbObjectId> coordSysIds_;
    int pendingPlaneRadio_ = 0;  // a plane radio chosen whose plane is not known yet
    AcDbObjectId pickedPlane_;
    Kv_String pickedPlaneName_;
    CButtonST zoomButton_;
    CButtonST picture_;
    TwResizer resizer_;
};
