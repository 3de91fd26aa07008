#pragma once
// CDlgProfCuts: shows the cuts of a profile one at a time, with a preview of the chosen cut in
// the drawing.  A cut can be deleted, and another profile picked in the drawing.
//
// With `onlySelectedPreview` (check box 1340 ticked) the drawing shows the preview of the
// chosen cut only; cleared, the previews of earlier choices stay until the dialog closes.
// Whatever the flag, closing the dialog leaves no preview behind when it is set, and every
// preview when it is cleared is the drawing's, as the person asked for them.
//
// The box shows the flag as it is (ticked = only the selected preview), so that opening and
// clicking agree.

#include <array>

#include "core/cbutton_st.h"
#include "core/records/dlg_prof_cuts_data.h"
#include "host/acui_dialog.h"

class CDlgProfCuts : public CAcUiDialog {
public:
    explicit CDlgProfCuts(CWnd* parent = nullptr);

    DlgProfCutsData data;
    bool onlySelectedPreview = false;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

    int currentIndex() const { return current_; }

private:
    void fillCuts();
    void selectCut(int index);
    void deleteCut();
    void pickOtherProfile();

    std::array<CButtonST, 2> iconButtons_;
    int current_ = -1;
};

// Runs the profile cuts dialog over a copy of the record; the remembered preview flag goes in
// before the run and comes back on OK.  True when the person closed it with OK.
bool StartEditProfCutsDlg(DlgProfCutsData& data);
