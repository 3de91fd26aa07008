#include "core/export_start_dlg_info.h"

#include "core/cresizer.h"
#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "win/afxwin.h"
#include "win/resource.h"
#include "core_resources_first.h"

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

}  // namespace

bool ExportStartDlgInfo(const DlgInfoData& data) {
    core_ui::CoreResourcesFirst scope;
    InfoDialog dialog(data);
    return dialog.DoModal() == IDOK;
}
