#include "core/export_start_dlg_info.h"

#include "core/cresizer.h"
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "win/afxwin.h"
#include "win/resource.h"

namespace {

class InfoDialog : public CDialog {
public:
    explicit InfoDialog(const DlgInfoData& data) : CDialog(kInfoDialogId, nullptr), data_(data) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowText(data_.title.c_str());
        SetDlgItemText(kInfoDialogSubtitleId, data_.subtitle.c_str());
        SetDlgItemText(IDOK, dialString(1).c_str());
        HWND list = ::GetDlgItem(m_hWnd, kInfoDialogListId);
        for (const Kv_String& line : data_.lines)
            ::SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        resizer_.attach(this);
        resizer_.setAnchor(kInfoDialogSubtitleId, CResizer::Left | CResizer::Right | CResizer::Top);
        resizer_.setAnchor(kInfoDialogListId, CResizer::All);
        resizer_.setAnchor(IDOK, CResizer::Right | CResizer::Bottom);
        ChangeDlgSize(m_hWnd, "DLG_INFO", false);
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) override {
        CDialog::OnSize(type, cx, cy);
        if (resizer_.isAttached()) resizer_.resize();
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        resizer_.limitTracking(info);
        CDialog::OnGetMinMaxInfo(info);
    }
    void OnDestroy() override {
        WriteDlgSize(m_hWnd, "DLG_INFO");
        CDialog::OnDestroy();
    }

private:
    const DlgInfoData& data_;
    TwResizer resizer_;
};

// The template lives in the core library's own table; put it first while the dialog is made
// so that a caller's table with a dialog of the same number cannot stand in for it.
class CoreResourcesFirst {
public:
    CoreResourcesFirst() {
        if (const win::ResourceTable* core = win::findResourceTable("kvcore")) {
            previous_ = win::setFirstResourceTable(core);
            switched_ = true;
        }
    }
    ~CoreResourcesFirst() {
        if (switched_) win::setFirstResourceTable(previous_);
    }
    CoreResourcesFirst(const CoreResourcesFirst&) = delete;
    CoreResourcesFirst& operator=(const CoreResourcesFirst&) = delete;

private:
    const win::ResourceTable* previous_ = nullptr;
    bool switched_ = false;
};

}  // namespace

bool ExportStartDlgInfo(const DlgInfoData& data) {
    CoreResourcesFirst scope;
    InfoDialog dialog(data);
    return dialog.DoModal() == IDOK;
}
