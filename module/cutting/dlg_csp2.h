#pragma once
// CDlgCSP2: the cutting-stock dialog (resource 8122).  It edits its own copy of a DlgCSP2Data
// record, one stock set at a time: the set's rows of the three tables are shown in three
// sheets, and are stored back into the record whenever the dialog leaves the set (another set
// chosen, a file opened or saved, the main button, OK).  Files written from the dialog stay
// written whatever button closes it; the record goes back to the caller only on OK.
//
// Two modes, chosen by the record's stockUpdateMode: normally the main button shows the
// overview report of every set's newest files; in stock-update mode only the stock table can
// be edited and the main button writes a new stock file for every set.

#include <array>

#include "core/cbutton_st.h"
#include "core/cresizer.h"
#include "core/records/dlg_csp2_data.h"
#include "spread/kv_spread.h"
#include "win/afxwin.h"

class CDlgCSP2 : public CDialog {
public:
    explicit CDlgCSP2(CWnd* parent = nullptr);

    DlgCSP2Data data;

    // The sheet of table 0, 1 or 2.
    Kv_Spread& sheet(int table);
    int currentSetId() const { return currentSetId_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    // Shows the set's rows of the table in the sheet, under the table's column headings.
    void showSetRows(Kv_Spread& sheet, int table, int setId);
    // Replaces the set's rows of the table with the sheet's rows, three cells each.
    void storeSetRows(Kv_Spread& sheet, int table, int setId);
    // The three sheets into the set.
    void storeSheets(int setId);
    // Shows the selected set in the three sheets, or empties them when the list is empty.
    void refreshSheets();
    // Opens the set's file into the table (and the sheet), or saves the set's rows of the table.
    void transferTableFile(int setIndex, int table, Kv_Spread& sheet, bool open, bool ask, const Kv_String& extension,
                           const Kv_String& description, int titleText);

private:
    void setUpSheets();
    void setUpResizer();
    void setUpButtons();
    void setLabels();
    void fillSetList();
    void applyMode();
    void layOutTableColumns();

    int selectedSetIndex() const;
    int setListCount() const;
    void onSetSelectionChanged();
    void onAddSet();
    void onRemoveSet();
    void onAddRow(int table);
    void onRemoveRow(int table);
    void onFileButton(int table, bool open);
    void onMainButton();
    void runBatchSave();
    void runOverview();

    Kv_Spread sheet0_, sheet1_, sheet2_;
    std::array<CButtonST, 10> iconButtons_;
    TwResizer resizer_;
    int currentSetId_ = -1;
    bool initialised_ = false;
    int minTrackWidth_ = 50, minTrackHeight_ = 50;

    // The template's rectangles of the three table columns, for sharing out the width.
    struct ColumnItem {
        int id;
        int column;
        bool stretches;
        RECT rect;
    };
    std::array<ColumnItem, 16> columnItems_{};
    int recordedClientWidth_ = 0;
};

// The exported launcher: runs the dialog over a copy of the record; on OK the record becomes
// the dialog's and the result is true.
bool StartDlgCSP2(DlgCSP2Data& data);
