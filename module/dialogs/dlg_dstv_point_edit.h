#pragma once
// CDlgDSTVPointEdit: edits the points of one DSTV point group, one point at a time.  The point
// shown is committed (every control read back through the point's setters) before another is
// selected, before Add and Delete, and on OK; distances that are not numbers become 0.
//
// Rules it keeps beyond the package's old ones: a stored side, start direction or plate choice
// outside its list shows no selection and is kept as it was unless another entry is chosen;
// deleting the last point shows the new last one; with no points nothing is shown, the point
// controls are disabled and nothing is committed.

#include "core/cbutton_st.h"
#include "core/records/dlg_dstv_points.h"
#include "win/afxwin.h"

class CDlgDSTVPointEdit : public CDialog {
public:
    explicit CDlgDSTVPointEdit(CWnd* parent = nullptr);

    Kv_DstvPointArray points;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void fillPointList();
    void showPoint(int index);
    void commitPoint();
    void applyEnablingRules();
    void keepSidesApart(int changedId);
    void addPoint();
    void deletePoint();

    int current_ = -1;
    CButtonST addButton_;
    CButtonST deleteButton_;
};

// Runs the point editor over points; true, with points replaced by the edited ones, on OK.
bool editDstvPoints(Kv_DstvPointArray& points, CWnd* parent);
