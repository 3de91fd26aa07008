#pragma once
// CDlgSelectMacro: offers every macro as a picture to choose from, with a filter area above the
// pictures: one row per macro, its own box first, then a box per property it has.  Unticking a
// macro hides its picture; unticking a property hides the macros that do not have it
// (Kv_MacroPropsFilter).  Every click on a box rebuilds the table and the pictures.
//
// The filter table has no header row: its first row carries the column titles (text 1119 over
// the macros' boxes, "Property n" over the n-th property), locked, and the macros follow from
// the second row.  The macro's box is the first column, property n column n + 1.
//
// OK takes the selected picture's macro, its extension changed to "dwg"; with no picture
// selected it does nothing.  Button 1352 leaves with `otherChoice` and `selected` as held.  The
// filter area's state is remembered ("LARGE_DLG"), the size too ("DLG_SELECT_MACRO").

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/image_list_ctrl.h"
#include "core/macro_props_filter.h"
#include "host/ac_array.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class CDlgSelectMacro : public CDialog {
public:
    explicit CDlgSelectMacro(CWnd* parent = nullptr);
    ~CDlgSelectMacro() override;

    Kv_String text;  // the caller's text, added to the title
    Kv_MacroPropsFilter filter;
    bool option = false;  // the other choice (1352) is offered
    Kv_String selected;
    bool otherChoice = false;
    bool largeDialog = false;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    bool filterReady() const { return filterReady_; }
    const CImageListCtrl& pictures() const { return pictures_; }
    // The macro files whose pictures are shown, in order.
    const Kv_StringArray& shownMacros() const { return shownFiles_; }
    // The names shown under the pictures without their trailing numbers.
    const Kv_StringArray& baseNames() const { return baseNames_; }

    static constexpr int kPreviewWidth = 96, kPreviewHeight = 72;

private:
    void setLabels();
    void buildFilterTable();
    void buildPictures();
    void filterClicked();
    void showFilterArea();

    Kv_Spread filterTable_;
    CImageListCtrl pictures_;
    CButtonST toggle_;
    TwResizer resizer_;
    Kv_StringArray shownFiles_, baseNames_;
    bool filterReady_ = false;
    bool areaShown_ = true;  // what the layout shows now
    int filterHeight_ = 0;   // how far the pictures move when the area hides
    SIZE minimum_{0, 0};
    HBITMAP checkOn_ = nullptr, checkOff_ = nullptr;
};

// Both run the macro selection; true, with `selected` and `otherChoice` set, on OK.  The
// flags say per macro whether it starts switched off in the filter; without them every macro
// is offered.
bool StartDlgSelectMacro(const Kv_String& text, const Kv_StringArray& macroFiles, const AcArray<bool>& flags,
                         const int& a, const int& b, Kv_String& selected, bool& otherChoice, bool option);
bool StartDlgSelectMacro(const Kv_String& text, const Kv_StringArray& macroFiles, const int& a, const int& b,
                         Kv_String& selected, bool& otherChoice, bool option);
