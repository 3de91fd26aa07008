#pragma once
// Kv_Spread: the sheet every table of the module is.  A dialog embeds one, attaches it over a
// placeholder control in its initialisation, and from then on talks only to it: sizes, cell
// types, fonts, filling and reading columns and rows, the right-button menu, find and replace,
// Tab navigation across locked cells, and the column widths kept on every resize.
//
// Rules it keeps:
// - Columns and rows count from 1; SS_HEADER (-32767) addresses the header row or column.
// - Before attach, and after the dialog's window is destroyed, every operation refuses:
//   false, or -1 for the size getters.
// - Failures are results; nothing throws.  An engine call returning 0 is a failure.
// - It owns its check-box pictures, its menu and its find dialog.

#include <memory>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "spread/tspread.h"

class FindReplaceDlg;

// A block of cells: (col1, row1) to (col2, row2).
struct SpreadRange {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
};

// What a cell is read as.
enum class CellTextKind : int { Data = 0, Formula = 1, Tag = 2, Value = 3 };

// Command ids of the right-button menu: the k-th ordinary item gets the k-th id.
inline constexpr UINT kSpreadMenuIds[10] = {32811, 32812, 32816, 32817, 32818, 32800, 32801, 32802, 32803, 32804};

// Codes of the right-button menu entries (setPopupMenu).
enum SpreadMenuCode : int {
    kMenuSeparator = 1,
    kMenuCopy,
    kMenuPaste,
    kMenuInsertRow,
    kMenuDeleteRow,
    kMenuInsertCol,
    kMenuDeleteCol,
    kMenuCheckAll,
    kMenuUncheckAll
};

// What handleTab decided.
enum TabResult : int { kTabInside = 0, kTabDefault = 1, kTabLeaveForward = 2, kTabLeaveBackward = 3 };

class Kv_Spread : public TSpread {
public:
    explicit Kv_Spread(CWnd* dialog = nullptr);
    ~Kv_Spread() override;

    // --- creation and size ---------------------------------------------------------------
    bool attach(CWnd* parent, int controlId, bool keepFrame = false);
    // Attached and its window still there: once the dialog's window is destroyed, every
    // operation is refused as before attach.
    bool isAttached() const;
    bool setDefaults(int selectMode);
    int getMaxRows() const;
    int getMaxCols() const;
    bool setMaxRows(int rows);
    bool setMaxCols(int cols, bool copyColumns = true);

    // --- fonts ---------------------------------------------------------------------------
    bool setFontRange(const SpreadRange& range, bool bold, bool alsoTip = false);
    bool boldHeaders();
    bool refreshFonts();
    bool setRowFont(int row, bool withHeader);
    bool setColFont(int col, bool withHeader);
    // Takes the face and height a settings file gives and refreshes the fonts.
    bool applyFontSettings(const Kv_String& face, int height);
    Kv_String fontFace = "Tahoma";
    int textHeight = 15;

    // --- settings files (settings/kv_spread_settings.cpp) -----------------------------------
    bool applySettingsFile(const Kv_String& settingsName);
    bool initSheet(const Kv_String& settingsName, bool newSheet);
    bool saveSheet(const Kv_String& path);
    bool setSheetVariables(const Kv_StringArray& names, const Kv_StringArray& values);
    // --- end of settings files ---------------------------------------------------------------

    // --- cell types ----------------------------------------------------------------------
    bool setTypeEdit(const SpreadRange& range, long style = 0x110000, int maxLen = 200);
    bool setColTypeEdit(int col, long style = 0x110000, int maxLen = 200);
    bool setTypeNumber(const SpreadRange& range, int decimals, bool styleFlag);
    bool setColTypeNumber(int col, int decimals, bool styleFlag);
    bool setColCombo(int col, const Kv_StringArray& items, bool editable);
    // A drop-down cell by entry number (0 the first entry), so that entries of the same text
    // stay apart.  Setting -1 empties the cell; an index that names no entry, or a cell that
    // is no drop-down cell, fails.  Reading gives -1 when the cell shows no entry.
    bool setComboIndex(int col, int row, int index);
    bool getComboIndex(int col, int row, int& index) const;
    bool setColCheckBox(int col, bool border, bool spanHeader);
    bool setCellCheckBox(int col, int row, bool border);
    bool setCellButton(int col, int row, const Kv_String& text);
    bool setCellPicture(int col, int row, int resourceId, bool isIcon);
    bool setPictureRow(const Kv_String& file, int col, int row, int& pixelHeight);
    bool setLock(int col, int row, bool locked);
    bool lockCol(int col);

    // --- reading and writing -------------------------------------------------------------
    bool getCellText(int col, int row, Kv_String& text, CellTextKind kind = CellTextKind::Value) const;
    bool setCellText(int col, int row, const Kv_String& text);
    // Numbers are written with `decimals` decimals; -1 writes them in full (every digit that
    // reads back as the same number).
    bool setCellDouble(int col, int row, double value, int decimals = 2);
    bool getCellDouble(int col, int row, double& value) const;
    bool getCellBool(int col, int row, bool& value) const;
    bool setCellBool(int col, int row, bool value);
    bool isCheckBoxCell(int col, int row) const;
    bool setColStrings(int col, const Kv_StringArray& strings, bool asValue = false);
    bool setColInts(int col, const Kv_Array<int>& ints);
    bool setColDoubles(int col, const Kv_Array<double>& doubles, int decimals = 2);
    bool setColBools(int col, const Kv_Array<bool>& bools);
    bool setColIntsAsValues(int col, const Kv_Array<int>& ints);
    bool getColStrings(int col, Kv_StringArray& strings, CellTextKind kind) const;
    bool getColValues(int col, Kv_StringArray& strings) const;
    bool getColData(int col, Kv_StringArray& strings) const;
    bool getColInts(int col, Kv_Array<int>& ints) const;
    bool getColDoubles(int col, Kv_Array<double>& doubles) const;
    bool getColBools(int col, Kv_Array<bool>& bools) const;
    bool setRowStrings(int row, const Kv_StringArray& strings, bool asValue = false);
    // Columns 1..maxCols of the row, read as kind (the values unless said otherwise).
    bool getRowStrings(int row, Kv_StringArray& strings, CellTextKind kind = CellTextKind::Value) const;
    bool setHeaderColTexts(const Kv_StringArray& strings);
    bool setHeaderRowTexts(const Kv_StringArray& strings);
    bool getHeaderRowTexts(Kv_StringArray& strings) const;
    bool clearRow(int row);
    bool clearRows(int row1, int row2);
    // Every row 1..maxRows as getRowStrings reads it: how dialogs take a sheet's rows back.
    bool getAllRows(Kv_Array<Kv_StringArray>& rows, CellTextKind kind = CellTextKind::Value) const;

    // --- selection -----------------------------------------------------------------------
    bool getActiveCellOrFirst(int& col, int& row) const;
    bool getEditSel(int& start, int& end) const;
    bool selectBlock(const SpreadRange& range);
    bool selectRow(int row);
    bool getSelBlockOrActive(SpreadRange& block) const;
    int getSelCol() const;
    int getSelRow() const;

    // --- rows and columns ----------------------------------------------------------------
    bool insertRow(int row, bool askName, bool duplicate);
    bool insertCol(int col, bool askName, bool duplicate);
    bool insertRowBelowSel(bool duplicate);
    bool deleteRow(int row);
    bool deleteSelRow();
    bool deleteCol(int col);
    bool swapRows(int fromRow, int toRow, int targetRow);
    bool moveSelRowUp();
    bool moveSelRowDown();
    bool setChecksInSel(bool value);
    bool markChanged();

    // --- check-box driven locks ----------------------------------------------------------
    bool bindCheckLock(int checkColumn, int boundColumn);

    // --- menu, keys, Tab -----------------------------------------------------------------
    bool setPopupMenu(const Kv_Array<int>& codes);
    bool openFind(bool replaceMode);
    bool showFindDialog();
    bool hideFindDialog();
    FindReplaceDlg* findReplaceDialog() const { return findDialog.get(); }
    void destroyFindDialog();
    bool f8Enabled = true;
    bool isSpreadFocused() const;
    bool findFirstUnlocked(int& col, int& row) const;
    bool findLastUnlocked(int& col, int& row) const;
    bool handleTab(UINT key, int& result) const;
    bool focusEdge(bool first);

    // --- find and replace ----------------------------------------------------------------
    bool findInRow(const Kv_String& text, int row, int startCol, int& foundCol) const;
    bool findNext(const Kv_String& text, int col, int row, int& foundCol, int& foundRow) const;
    bool findInCell(const Kv_String& text, int col, int row, int& pos, int& len) const;
    bool findAndSelect(const Kv_String& text, int col, int row, int start);
    bool replaceInCell(int col, int row, const Kv_String& from, const Kv_String& to);

    // --- widths and automatic sizing -----------------------------------------------------
    bool setResizeMode(int mode, int count, int width);
    bool setResizeMode(int mode, const Kv_Array<int>& cols, const Kv_Array<int>& widths);
    bool applyResize();
    bool autoFitCol(int col, bool skipType8);
    bool autoFitRow(int row);
    bool autoFitAllCols(bool skipType8);
    bool autoFitAllRows();
    bool autoFitAll();
    int getTextWidth(int col, int row) const;
    int getMaxTextWidthInCol(int col) const;

    // --- window handlers -----------------------------------------------------------------
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The engine reports changed cells to the dialog; the sheet hears them first (OnCommand)
    // and leaves them to the dialog too.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnRButtonDown(UINT flags, CPoint point) override;

    CWnd* parentWnd = nullptr;
    int controlId = 0;

private:
    bool readText(int col, int row, Kv_String& text, CellTextKind kind) const;
    bool writeColumn(int col, int count, bool asValue, Kv_String (*textOf)(const void*, int), const void* items);
    bool applyCheckType(SS_CELLTYPE& type);
    HFONT makeFont(bool bold);
    void releaseFonts();
    void runMenuCode(int code);
    void syncCheckLock(int row);
    bool cellUsable(int col, int row) const;
    void applyResizeMode3(int clientWidth, int n, bool header);
    void applyResizeMode4(int clientWidth, int n, bool header);
    void applyResizeMode5(int clientWidth, int n, bool header);
    // Fits the block's columns and/or rows (model coordinates, 0 the header) to their texts.
    bool fitToText(int col1, int row1, int col2, int row2, bool widths, bool heights);

    bool attached = false;
    int resizeMode = 0;
    HBITMAP checkedBitmap = nullptr, uncheckedBitmap = nullptr;
    std::unique_ptr<CMenu> popupMenu;
    Kv_Array<int> menuCodes;
    std::unique_ptr<FindReplaceDlg> findDialog;
    int resizeCount = 0, resizeWidth = 0;
    Kv_Array<int> fixedCols, fixedWidths;
    int checkCol = -1, boundCol = -1;
    // The two fonts handed to the engine, kept until face or height change.
    HFONT regularFont = nullptr, boldFont = nullptr;
    Kv_String fontsFace;
    int fontsHeight = 0;
};

// Free functions on a sheet; each does nothing (false) for a null sheet.
bool appendRowAfterActive(Kv_Spread* sheet);
bool deleteActiveRow(Kv_Spread* sheet);
bool setTypeEditRange(Kv_Spread* sheet, const SpreadRange& range);
bool setComboRange(Kv_Spread* sheet, const SpreadRange& range, const Kv_StringArray& items, bool editable);
bool fitColumnsEqual(Kv_Spread* sheet, bool fixFirst, int width);
bool fitColumnsPercent(Kv_Spread* sheet, int count, int percent);
bool fitColumnsExcept(Kv_Spread* sheet, int col, int width);
bool setColWidths(Kv_Spread* sheet, int col1, int col2, int width);
bool enableDlgItem(CWnd* parent, int id, bool enable);
bool resetListSheet(Kv_Spread* sheet, int cols, int rows, int modeFlag);
