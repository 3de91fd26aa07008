#pragma once
// DlgEditConstraints: the constraint editor's main window (resource 8715), modal or modeless,
// over one macro: module list and buttons, the four pages in a tab control, settings, zoom and
// close.  It works on its own copy of the caller's record; every edit reaches the drawing at
// once through the core library, so the copy is never handed back (after select another macro
// it may even name another macro).
//
// Modeless, it is the one editor in the frame's table (frame::modelessConstraintEditor) and
// ends through endModeless: from its own close button, EndDlgEditConstraints or unload.

#include <array>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/records/edit_constr_data.h"
#include "constraints/constr_geometry_page.h"
#include "constraints/constr_list_page.h"
#include "constraints/constr_palette_page.h"
#include "constraints/constr_variables_page.h"
#include "constraints/constraint_page.h"
#include "frame/modeless_tables.h"
#include "host/acui_dialog.h"

class DlgEditConstraints : public CAcUiTabMainDialog, public frame::ModelessDialog {
public:
    explicit DlgEditConstraints(CWnd* parent = nullptr);
    ~DlgEditConstraints() override;

    EditConstrData record;
    bool modeless = false;

    // Tabs in order: 0 constraint list, 1 geometry, 2 variables and equations, 3 palette.
    ConstraintPage* page(int index) const;

    // What pages ask of the main window.
    void storeEditPages();  // pages 0 and 2
    void closeAsOk();       // OK, Escape on a page
    // Runs a call of the drawing editor: the window hidden (unless hide is false) around it.
    template <typename Call>
    bool runEditorCommand(Call call, bool hide = true) {
        BeginEditorCommand(hide);
        const bool done = call();
        if (m_hWnd) CompleteEditorCommand();
        return done;
    }
    bool activationStores() const { return activationStores_; }
    void runPaletteCommand(int command);

    // frame::ModelessDialog
    bool endModeless() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    friend class ConstraintPage;
    void setUpControls();
    void fillModuleList();
    void updateModule();
    void selectTab(int index, bool storeOnActivation);
    void onModuleChanged();
    void onSelectOtherMacro();
    void onRenameModule();
    void onRemoveModule();
    void onZoom();
    int selectedModule() const;
    void selectModule(int index);

    ConstrListPage listPage_;
    ConstrGeometryPage geometryPage_;
    ConstrVariablesPage variablesPage_;
    ConstrPalettePage palettePage_;
    std::array<CButtonST, 4> iconButtons_;
    TwResizer resizer_;
    int currentTab_ = -1;
    bool zooming_ = false;
    bool activationStores_ = true;
    bool closing_ = false;
};
