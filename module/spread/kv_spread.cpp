// Kv_Spread: attaching, defaults, sizes, fonts and cell types.
#include "spread/kv_spread.h"

#include <algorithm>

#include "spread/find_replace_dlg.h"

namespace {
constexpr int kCheckedBitmapId = 8134;
constexpr int kUncheckedBitmapId = 8136;
constexpr COLORREF kButtonFaceColor = 0x8000000B;
}  // namespace

Kv_Spread::Kv_Spread(CWnd* dialog) : parentWnd(dialog) {}

Kv_Spread::~Kv_Spread() {
    destroyFindDialog();
    popupMenu.reset();
    if (checkedBitmap) DeleteObject(checkedBitmap);
    if (uncheckedBitmap) DeleteObject(uncheckedBitmap);
    // The engine window goes with the dialog; if it is still there, it must not keep fonts
    // that are about to be deleted.
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
    releaseFonts();
}

bool Kv_Spread::isAttached() const { return attached && m_hWnd && ::IsWindow(m_hWnd); }

void Kv_Spread::destroyFindDialog() {
    if (!findDialog) return;
    if (findDialog->m_hWnd && ::IsWindow(findDialog->m_hWnd)) findDialog->DestroyWindow();
    findDialog.reset();
}

bool Kv_Spread::attach(CWnd* parent, int id, bool keepFrame) {
    if (!parent || !parent->m_hWnd || attached) return false;
    HWND placeholder = ::GetDlgItem(parent->m_hWnd, id);
    if (!placeholder) return false;
    // The window system may have been reset since the engine registered its class at load.
    if (!SSRegisterClass()) return false;
    RECT ph, outer;
    ::GetWindowRect(placeholder, &ph);
    ::GetWindowRect(parent->m_hWnd, &outer);
    RECT rect{ph.left - outer.left, ph.top - outer.top, ph.right - outer.left, ph.bottom - outer.top};
    if (!keepFrame) {
        // The parent's frame and caption: the placeholder's rectangle was measured from the
        // outer edge of the window, the sheet is placed in the client area.
        rect.left -= 5;
        rect.right -= 5;
        rect.top -= 20;
        rect.bottom -= 20;
    }
    ::DestroyWindow(placeholder);
    if (!createSheet(WS_CHILD | WS_VISIBLE, rect, parent, static_cast<UINT>(id))) return false;
    SetMaxRows(0);
    SetMaxCols(0);
    SetAppearance(1);
    for (WORD k = 0; k < 3; ++k) SetActionKey(k, 0, 0, 0);
    attached = true;
    parentWnd = parent;
    controlId = id;
    return true;
}

bool Kv_Spread::setDefaults(int selectMode) {
    if (!isAttached()) return false;
    using namespace sheet;
    for (auto [option, value] : {std::pair{kOptRedraw, 0},
                                 {kOptFormulas, 0},
                                 {kOptAutoCalc, 0},
                                 {kOptVertScrollBar, 1},
                                 {kOptColumnResize, 0},
                                 {kOptEnterInSheet, 1},
                                 {kOptTabInSheet, 1},
                                 {kOptProtect, 0},
                                 {kOptVertScrollBar, 1},
                                 {kOptHorzScrollBar, 1},
                                 {kOptVertScrollBar, 1}})
        SetBool(static_cast<short>(option), value);
    SetGrayAreaColor(kButtonFaceColor, kButtonFaceColor);
    SetCursor(1, -1);
    SetSelColor(0x6A240A, 0xFFFFFF);
    for (SheetOption option : {kOptSkipLocked, kOptColHeaderShown, kOptRowHeaderShown, kOptProtect})
        SetBool(static_cast<short>(option), 1);
    SetLockColor(0xE6E6E6, kButtonFaceColor);
    if (selectMode == 1) {
        SetBool(kOptBlockSelect, 1);
        SetBool(kOptEditOnActivate, 0);
        SetEditEnterAction(0);
    } else {
        SetBool(kOptBlockSelect, 0);
        SetBool(kOptEditOnActivate, 1);
        SetEditEnterAction(5);
    }
    SetBool(sheet::kOptRedraw, 1);
    return true;
}

int Kv_Spread::getMaxRows() const { return isAttached() ? GetMaxRows() : -1; }
int Kv_Spread::getMaxCols() const { return isAttached() ? GetMaxCols() : -1; }

bool Kv_Spread::setMaxRows(int rows) {
    if (!isAttached() || rows < 0) return false;
    const int old = GetMaxRows();
    if (!SetMaxRows(rows)) return false;
    if (rows <= old) return true;
    const int cols = GetMaxCols();
    // A new row starts as a copy of the last one, label included.  An empty sheet has no last
    // row: copying the column-header row would turn the column labels into data.
    if (old > 0)
        for (int r = old + 1; r <= rows; ++r) CopyRange(SS_HEADER, old, cols, old, SS_HEADER, r);
    if (old > 0)
        setFontRange({SS_HEADER, old, SS_HEADER, rows}, true, true);
    else
        boldHeaders();
    setFontRange({1, std::max(old, 1), cols, rows}, false);
    return true;
}

bool Kv_Spread::setMaxCols(int cols, bool copyColumns) {
    if (!isAttached() || cols < 0) return false;
    const int old = GetMaxCols();
    if (!SetMaxCols(cols)) return false;
    if (cols <= old) return true;
    const int rows = GetMaxRows();
    if (copyColumns && old > 0)
        for (int c = old + 1; c <= cols; ++c) CopyRange(old, SS_HEADER, old, rows, c, SS_HEADER);
    if (old > 0)
        setFontRange({old, SS_HEADER, cols, SS_HEADER}, true, true);
    else
        boldHeaders();
    setFontRange({std::max(old, 1), 1, cols, rows}, false);
    return true;
}

// --- fonts --------------------------------------------------------------------------------

void Kv_Spread::releaseFonts() {
    if (regularFont) DeleteObject(regularFont);
    if (boldFont) DeleteObject(boldFont);
    regularFont = boldFont = nullptr;
}

HFONT Kv_Spread::makeFont(bool bold) {
    if (fontsFace != fontFace || fontsHeight != textHeight) {
        // Cells that still show the old fonts get new ones from every later setFontRange;
        // the engine copies what it needs of a font when it is applied.
        releaseFonts();
        fontsFace = fontFace;
        fontsHeight = textHeight;
    }
    HFONT& font = bold ? boldFont : regularFont;
    if (!font)
        font = CreateFont(textHeight, 0, 0, 0, bold ? FW_BOLD : 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                          fontFace.c_str());
    return font;
}

bool Kv_Spread::setFontRange(const SpreadRange& range, bool bold, bool alsoTip) {
    if (!isAttached()) return false;
    HFONT font = makeFont(bold);
    if (!SetFontRange(range.col1, range.row1, range.col2, range.row2, font, TRUE)) return false;
    if (alsoTip) {
        WORD status = 0;
        long delay = 0;
        LOGFONT tipFont{};
        COLORREF back = 0, fore = 0;
        GetTextTip(&status, &delay, &tipFont, &back, &fore);
        GetObject(font, sizeof(LOGFONT), &tipFont);
        SetTextTip(1, 0, &tipFont, back, fore);
    }
    return true;
}

bool Kv_Spread::boldHeaders() {
    if (!isAttached()) return false;
    const int rows = GetMaxRows(), cols = GetMaxCols();
    bool ok = true;
    if (cols > 0) ok = setFontRange({1, SS_HEADER, cols, SS_HEADER}, true, true) && ok;
    if (rows > 0) ok = setFontRange({SS_HEADER, 1, SS_HEADER, rows}, true, true) && ok;
    return ok;
}

bool Kv_Spread::refreshFonts() {
    if (!boldHeaders()) return false;
    const int rows = GetMaxRows(), cols = GetMaxCols();
    return rows < 1 || cols < 1 || setFontRange({1, 1, cols, rows}, false);
}

bool Kv_Spread::setRowFont(int row, bool withHeader) {
    if (!isAttached() || row < 1 || row > GetMaxRows()) return false;
    if (withHeader) setFontRange({SS_HEADER, row, SS_HEADER, row}, true);
    return GetMaxCols() < 1 || setFontRange({1, row, GetMaxCols(), row}, false);
}

bool Kv_Spread::setColFont(int col, bool withHeader) {
    if (!isAttached() || col < 1 || col > GetMaxCols()) return false;
    if (withHeader) setFontRange({col, SS_HEADER, col, SS_HEADER}, true);
    return GetMaxRows() < 1 || setFontRange({col, 1, col, GetMaxRows()}, false);
}

bool Kv_Spread::applyFontSettings(const Kv_String& face, int height) {
    if (!isAttached()) return false;
    fontFace = face;
    textHeight = height;
    return refreshFonts();
}

// --- cell types ---------------------------------------------------------------------------

bool Kv_Spread::setTypeEdit(const SpreadRange& range, long style, int maxLen) {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeEdit(&type, style, maxLen, 0, 1);
    return SetCellTypeRange(range.col1, range.row1, range.col2, range.row2, &type) != 0;
}

bool Kv_Spread::setColTypeEdit(int col, long style, int maxLen) {
    if (!isAttached()) return false;
    return setTypeEdit({col, 1, col, GetMaxRows()}, style, maxLen);
}

bool Kv_Spread::setTypeNumber(const SpreadRange& range, int decimals, bool styleFlag) {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeNumber(&type, 0x10000000 + (styleFlag ? 0x400000 : 0x100000), static_cast<short>(decimals),
                  -99999999999999.0, 99999999999999.0, 0);
    return SetCellTypeRange(range.col1, range.row1, range.col2, range.row2, &type) != 0;
}

bool Kv_Spread::setColTypeNumber(int col, int decimals, bool styleFlag) {
    if (!isAttached()) return false;
    return setTypeNumber({col, 1, col, GetMaxRows()}, decimals, styleFlag);
}

bool Kv_Spread::setColCombo(int col, const Kv_StringArray& items, bool editable) {
    if (!isAttached() || col < 1 || col > GetMaxCols()) return false;
    const Kv_String joined = items.join("\t");
    SS_CELLTYPE type;
    SetTypeComboBox(&type, 0x100000 + (editable ? 2 : 0), joined.c_str());
    return SetCellTypeRange(col, 1, col, GetMaxRows(), &type) != 0;
}

bool Kv_Spread::applyCheckType(SS_CELLTYPE& type) {
    if (!checkedBitmap) checkedBitmap = LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(kCheckedBitmapId));
    if (!uncheckedBitmap) uncheckedBitmap = LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(kUncheckedBitmapId));
    return SetTypeCheckBox(&type, 768, "", uncheckedBitmap, SS_PICT_HANDLE_BITMAP, checkedBitmap, SS_PICT_HANDLE_BITMAP,
                           uncheckedBitmap, SS_PICT_HANDLE_BITMAP, checkedBitmap, SS_PICT_HANDLE_BITMAP) != nullptr;
}

bool Kv_Spread::setColCheckBox(int col, bool border, bool spanHeader) {
    if (!isAttached() || col < 1 || col > GetMaxCols()) return false;
    SS_CELLTYPE type;
    applyCheckType(type);
    const int rows = GetMaxRows();
    if (!SetCellTypeRange(col, 1, col, rows, &type)) return false;
    if (border) SetBorderRange(col, 1, col, rows, 2, 6, 0);
    if (spanHeader) AddCellSpan(col, SS_HEADER, 2, 1);
    return true;
}

bool Kv_Spread::setCellCheckBox(int col, int row, bool border) {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    applyCheckType(type);
    if (!SetCellType(col, row, &type)) return false;
    if (border) SetBorder(col, row, 2, 6, 0);
    return true;
}

bool Kv_Spread::setCellButton(int col, int row, const Kv_String& text) {
    if (!isAttached()) return false;
    SS_CELLTYPE type;
    SetTypeButton(&type, 0, text.c_str());
    if (!SetCellType(col, row, &type)) return false;
    return markChanged();
}

bool Kv_Spread::setCellPicture(int col, int row, int resourceId, bool isIcon) {
    if (!isAttached()) return false;
    HANDLE picture = isIcon ? static_cast<HANDLE>(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(resourceId)))
                            : static_cast<HANDLE>(LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(resourceId)));
    if (!picture) return false;
    SS_CELLTYPE type;
    SetTypePictureHandle(&type, 0x210004 + (isIcon ? 0x1000 : 0x20), picture);
    return SetCellType(col, row, &type) != 0;
}

bool Kv_Spread::setPictureRow(const Kv_String& file, int col, int row, int& pixelHeight) {
    if (!isAttached()) return false;
    HANDLE image = LoadImage(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!image) return false;
    BITMAP info{};
    GetObject(image, sizeof(info), &info);
    DeleteObject(image);
    pixelHeight = info.bmHeight;
    SetRowHeightInPixels(row, pixelHeight);
    // Over all columns from col on: maxCols columns from a later column would reach past the
    // sheet, which the engine refuses.
    if (GetMaxCols() > col) AddCellSpan(col, row, GetMaxCols() - col + 1, 1);
    if (col > 1) SetBorder(col - 1, row, 18, 6, kButtonFaceColor);
    SS_CELLTYPE type;
    SetTypePicture(&type, 36, file.c_str());
    return SetCellType(col, row, &type) != 0;
}

bool Kv_Spread::setLock(int col, int row, bool locked) { return isAttached() && SetLock(col, row, locked) != 0; }

bool Kv_Spread::lockCol(int col) { return isAttached() && SetLockRange(col, 1, col, GetMaxRows(), 1) != 0; }

bool Kv_Spread::markChanged() {
    if (!isAttached()) return false;
    SetBool(sheet::kOptChanged, 1);
    return true;
}
