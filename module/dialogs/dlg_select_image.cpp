#include "dialogs/dlg_select_image.h"

#include <string>

#include "core/dialog_helpers.h"
#include "core/kv_texts.h"
#include "core/macro_lang_strings.h"
#include "core/file_layer.h"
#include "dialogs/select_image_ids.h"
#include "frame/dialog_launcher.h"
#include "win/bitmap.h"

namespace {

constexpr const char* kSizeName = "DLG_SELECT_IMAGE";

}  // namespace

CDlgSelectImage::CDlgSelectImage(CWnd* parent) : CDialog(IDD_SELECT_IMAGE, parent) {}

Kv_String CDlgSelectImage::displayName(const Kv_String& path) {
    const std::string& full = path.str();
    const size_t slash = full.find_last_of("/\\");
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return MacroLangs::GetString(Kv_String(name), "");
}

BOOL CDlgSelectImage::OnInitDialog() {
    CDialog::OnInitDialog();
    images_.replacePlaceholder(this, IDC_SELECT_IMAGE_LIST);
    // The minimum is the size before a remembered one is restored: taken after, a dialog once
    // enlarged could never be made smaller again.
    resizer_.attach(this);
    resizer_.setAnchor(IDC_SELECT_IMAGE_LIST, CResizer::All);
    resizer_.setAnchor(IDOK, CResizer::Right | CResizer::Bottom);
    resizer_.setAnchor(IDCANCEL, CResizer::Right | CResizer::Bottom);

    SetWindowText(data.title.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    images_.Init(ImageListData{});
    fillImages();
    ChangeDlgSize(m_hWnd, kSizeName, false);
    return TRUE;
}

void CDlgSelectImage::fillImages() {
    images_.SetImageFiles(data.imageFiles);
    if (data.imageFiles.isEmpty()) return;
    std::string bytes;
    if (ObjectExportReadBytes(data.imageFiles[0], bytes)) {
        const win::LoadResult first = win::decodeImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (first.ok) images_.SetThumbnailSize(first.bitmap.width, first.bitmap.height);
    }
    Kv_StringArray names;
    for (const Kv_String& file : data.imageFiles) names.append(displayName(file));
    images_.SetDisplayNames(names);
    images_.DrawThumbnails();
}

void CDlgSelectImage::OnOK() {
    data.selection = images_.selectedName();
    if (data.selection.isEmpty()) return;
    EndDialog(1);
}

BOOL CDlgSelectImage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SELECT_IMAGE_LIST && HIWORD(wParam) == CImageListCtrl::ImageListDoubleClicked) {
        OnOK();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgSelectImage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (resizer_.isAttached()) resizer_.resize();
}

void CDlgSelectImage::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    resizer_.limitTracking(info);
}

void CDlgSelectImage::OnDestroy() {
    WriteDlgSize(m_hWnd, kSizeName);
    CDialog::OnDestroy();
}

bool StartDlgSelectImage(TwSelectImageDlgData& data) {
    return frame::launchModalDialog<CDlgSelectImage>(
        frame::LaunchRules{}, [&](CDlgSelectImage& dialog) { dialog.data = data; },
        [&](CDlgSelectImage& dialog) { data = dialog.data; });
}
