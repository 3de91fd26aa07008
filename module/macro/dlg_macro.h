#pragma once
// CDlgMacro: the macro input dialog (resource 8131).  It edits one MacroData (one or several
// macro instances in the drawing at once) with one page per tab, and is live: every finished
// edit on a page is applied to the drawing at once through the core library, so the drawing
// follows the dialog while it stays open.  The caller copies the record back however the
// dialog closed.
//
// Rules it keeps:
// - Only tabs whose kind makes a page get an entry in the tab control; entries are mapped to
//   tabs, so a page-less tab never shifts the page a selection shows.
// - A page that could not be made leaves a null entry that every walk skips.
// - While the dialog hides for a pick in the drawing, the drawing has the input.
// - The size is remembered under a name made from the macro (sizeStoreName).

#include <map>
#include <memory>
#include <vector>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/records/macro_data.h"
#include "host/acui_dialog.h"
#include "macro/macro_focus.h"
#include "macro/macro_page_text.h"

class CDlgMacroPage;

class CDlgMacro : public CAcUiDialog {
public:
    explicit CDlgMacro(CWnd* parent = nullptr);
    ~CDlgMacro() override;

    int modelessId = -1;  // -1 modal, else the slot of the modeless table
    // Posted to a modeless dialog that closes itself: ends it through its table.
    static constexpr UINT kEndModelessMessage = 0x7102;
    MacroData macro;  // the dialog's copy; the caller copies it back

    // "DLG_MACRO_" and a key of the macro: its module for one instance, its group, or the count.
    static Kv_String sizeStoreName(const MacroData& macro);

    // The pages ask these of their owner.
    // Refills every page from the macro; with rememberFocus, the focus of the current page is
    // remembered first and put back afterwards.
    void refreshAllPages(bool rememberFocus);
    // Reads every page back and updates the drawing with the differences, then the clash check.
    void applyAllPages();
    // Closes the whole dialog (the close button, Escape on a page, apply again).
    void closeDialog();
    // The clash check over the edited instances.
    void runClashCheck();

    // The section families the pages' profile lists show, read once per building or refresh.
    SectionListCache& sectionLists() { return sectionLists_; }
    // The page of a tab (nullptr for a tab that has none).
    CDlgMacroPage* pageOfTab(int tabIndex) const;
    // True while pages are made, destroyed or switched: focus moving between their controls
    // then is no edit of the person's.
    bool rearranging() const { return rearranging_ > 0; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnClose() override;
    void OnDestroy() override;

private:
    void makeButtons();
    void buildPages();
    void destroyPages();
    void showSelectedPage();
    void showSelectedPageNow();
    void selectTab(int tabIndex);
    void fillTitleAndFilters();
    void placePages();
    SIZE wantedSize() const;
    void fitToPages();
    void rememberFocus();
    void enableValueFiles();

    void filterChanged(bool groupFilter);
    void selectOtherMacros();
    void changeView(int direction);
    void applyAgain();
    void loadValues();
    void saveValues();
    Kv_String currentModuleName() const;

    std::vector<std::unique_ptr<CDlgMacroPage>> pages_;  // one per tab, null where none
    std::vector<int> tabOfEntry_;                        // tab control entry -> tab index
    std::map<Kv_String, MacroFocusRecord> focusMemory_;  // by macro module name
    CButtonST buttons_[8];
    TwResizer resizer_;
    SectionListCache sectionLists_;
    bool sized_ = false;
    bool pageShown_ = false;
    bool closing_ = false;
    int rearranging_ = 0;
    int currentPage_ = -1;
    int minWidth_ = 50, minHeight_ = 50;
};

// Runs the dialog modally over the caller's record and copies the record back however it
// closed.  True when it closed with the close button (result 1).
bool StartDlgMacro(MacroData& macro);
