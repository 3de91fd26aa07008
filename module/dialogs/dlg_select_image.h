#pragma once
// CDlgSelectImage: offers pictures as thumbnails and gives back the display name of the one
// chosen (TwSelectImageDlgData).  Every cell has the size of the first picture; names are the
// file names without folder and extension, translated by the label tables.  OK or a double
// click confirms a selected picture; with none selected the dialog stays open.  The size is
// remembered as "DLG_SELECT_IMAGE"; the dialog cannot be made smaller than its template.

#include "core/cresizer.h"
#include "core/image_list_ctrl.h"
#include "dialogs/tw_select_image_dlg_data.h"
#include "win/afxwin.h"

class CDlgSelectImage : public CDialog {
public:
    explicit CDlgSelectImage(CWnd* parent = nullptr);

    TwSelectImageDlgData data;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // The display name of a picture file: its name without folder and extension, translated.
    static Kv_String displayName(const Kv_String& path);
    const CImageListCtrl& images() const { return images_; }

private:
    void fillImages();

    CImageListCtrl images_;
    TwResizer resizer_;
};

// Runs the image selection dialog over the caller's record; true, with the selection copied
// back, when the person confirmed a picture.
bool StartDlgSelectImage(TwSelectImageDlgData& data);
