#include "core/edit_macro_cut_dlg.h"

#include "core/kv_texts.h"
#include "core/macro_model.h"
#include "host/drawing_database.h"
#include "win/afxwin.h"
#include "win/resource.h"
#include "core_resources_first.h"

namespace {

class MacroCutDialog : public CDialog {
public:
    // Owned by the window that was active, so that the focus goes back there when it closes.
    explicit MacroCutDialog(macro_model::Constraint& cut)
        : CDialog(kMacroCutDialogId, CWnd::FromHandle(::GetActiveWindow())), cut_(cut) {}

    bool escapeClosed = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(dialString(862).c_str());
        SetDlgItemText(kMacroCutNameLabelId, dialString(881).c_str());
        SetDlgItemText(kMacroCutDepthLabelId, dialString(20150).c_str());
        SetDlgItemText(IDOK, dialString(1).c_str());
        SetDlgItemText(IDCANCEL, dialString(2).c_str());
        SetDlgItemText(kMacroCutNameId, cut_.cutName.c_str());
        SetDlgItemText(kMacroCutDepthId, Kv_String(cut_.cutDepth, -1).c_str());
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) escapeClosed = true;
        return CDialog::PreTranslateMessage(msg);
    }
    void OnOK() override {
        char buffer[512] = {};
        GetDlgItemText(kMacroCutNameId, buffer, sizeof buffer);
        const Kv_String name = buffer;
        GetDlgItemText(kMacroCutDepthId, buffer, sizeof buffer);
        const double depth = Kv_String(buffer).toDouble();
        host::DrawingDatabase& db = host::DrawingDatabase::instance();
        if (name != cut_.cutName) db.setProperty(cut_.id, "cutName", std::string(name.c_str()));
        if (depth != cut_.cutDepth) db.setProperty(cut_.id, "cutDepth", depth);
        cut_.cutName = name;
        cut_.cutDepth = depth;
        CDialog::OnOK();
    }

private:
    macro_model::Constraint& cut_;
};

}  // namespace

bool StartEditMacroCutDlg(AcDbObjectId macroId, const Kv_String& moduleName, int constraintId, bool& escapeClosed) {
    escapeClosed = false;
    macro_model::Macro* macro = macro_model::Drawing::instance().find(macroId);
    macro_model::Module* module = macro ? macro->findModule(moduleName) : nullptr;
    if (!module) return false;
    for (macro_model::Constraint& c : module->constraints) {
        if (c.id.asOldId() != constraintId || c.kind != 1) continue;
        core_ui::CoreResourcesFirst scope;
        MacroCutDialog dialog(c);
        const bool confirmed = dialog.DoModal() == IDOK;
        escapeClosed = dialog.escapeClosed && !confirmed;
        return confirmed;
    }
    return false;
}
