#pragma once
// CDlgDesigner: the modal dialog in which a person lays out a dialog template (resource 227).
// It owns one template in design mode, the buttons of the editing operations, the property
// panel, opening and saving template files, and the question whether to save before the
// template is left.  StartDlgDesigner runs it.

#include <array>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_string.h"
#include "designer/kv_designer_history.h"
#include "designer/kv_dlg_designer_data.h"
#include "win/afxwin.h"

class CDlgDesigner : public CDialog {
public:
    explicit CDlgDesigner(CWnd* parent = nullptr);

    // The template file given by the caller (opened when the dialog is shown, if it exists).
    Kv_String templateFile;

    const Kv_DlgDesignerData& data() const { return m_data; }
    const Kv_DesignerHistory& history() const { return m_history; }
    bool isModified() const { return m_modified; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override;

private:
    // dlg_designer_files.cpp
    void onOpen();
    // False when nothing was written: cancelled, outside the template folder, or failed (said).
    bool saveUnderName();
    void onPicture();
    // True when the action that asked may go on.
    bool askToSave();
    bool writeTemplate(const Kv_String& path);
    Kv_String startFolder() const;

    void setUpButtons();
    void setUpResizer();
    void setTitle();
    void growToShowPicture();
    // Runs an editing operation; when the layout changed, sets the modified flag and keeps
    // the layout before as an undo step (merged with the last one of the same key).
    template <typename Operation>
    bool edit(Operation operation, long long mergeKey = 0);
    void undoOrRedo(bool redo);
    // The picture file of the template's name as it is now (dlg_designer_files.cpp).
    Kv_DesignerPicture currentPicture(const Kv_String& path) const;
    void putPictureBack(const Kv_DesignerPicture& picture);

    // dlg_designer_grid.cpp
    void loadGridSettings();
    void saveGridSettings() const;
    void onGridChanged();
    bool gridActive() const;  // snapping on, a usable step, and a picture to count it on
    // After the mouse changed the layout from before: moves or resizes onto the grid.
    void snapToGrid(const Kv_DesignerLayout& before);
    void paintGrid(HDC dc) const;
    void updateUndoButtons();

    Kv_DlgDesignerData m_data;
    bool m_modified = false;
    Kv_DesignerHistory m_history;
    std::array<CButtonST, 10> m_iconButtons;
    TwResizer m_resizer;
    int m_minWidth = 0;
    int m_minHeight = 0;
    bool m_snap = false;
    int m_gridStep = 8;
    bool m_loadingGrid = false;
};

// Runs the designer on the template file (none, or one that does not exist: an empty
// designer).  True when it was closed with OK.
bool StartDlgDesigner(const Kv_String& templateFile);
// The same; leftName receives the name of the template the designer was left with, however
// it closed (empty for an unnamed one).
bool runDlgDesigner(const Kv_String& templateFile, Kv_String& leftName);
