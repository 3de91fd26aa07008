#include "spread/bill/tw_ss_bill_output.h"

#include <ctime>

#include "core/file_layer.h"
#include "core/path_mapping.h"
#include "host/command_line.h"
#include "spread/bill/bill_ids.h"
#include "spread/bill/bill_sheet_window.h"
#include "spread/kv_spread.h"
#include "spread/settings/picture_relocation.h"
#include "spread/settings/sheet_settings.h"

namespace {

constexpr int kGrowStep = 100;
constexpr COLORREF kSystemButtonFace = 0x8000000B;
constexpr COLORREF kSubtotalBack = 0xFFD1A4;  // light blue (0x00BBGGRR)
constexpr char kTitleSeparator = '\xBF';

Kv_String currentDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    if (std::strftime(buffer, sizeof buffer, "%d %B, %Y (%H:%M)", &local) == 0) return {};
    return Kv_String(buffer);
}

void applyColumnType(Kv_Spread& sheet, int col, int type) {
    switch (type) {
    case 1: sheet.setColTypeNumber(col, 0, true); break;
    case 2: sheet.setColTypeNumber(col, 1, true); break;
    case 3: sheet.setColTypeEdit(col, 0x110000, 200); break;
    default: break;
    }
}

}  // namespace

Kv_String billTitleOf(const Kv_String& billFile) {
    Kv_String title;
    if (!getFileName(billFile, title)) return {};
    removeExtension(title);
    const int cut = title.findLastChar(kTitleSeparator);
    if (cut >= 0) title = title.getSubStringAt(cut + 1);
    return title;
}

TwSSBillOutput::TwSSBillOutput() : window(std::make_unique<BillSheetHolder>()) {}

TwSSBillOutput::TwSSBillOutput(const TwSSBillOutput& other)
    : Kv_ListOutputCallback(other), window(std::make_unique<BillSheetHolder>()) {
    copyFields(other);
}

TwSSBillOutput& TwSSBillOutput::operator=(const TwSSBillOutput& other) {
    if (this != &other) copyFields(other);
    return *this;
}

TwSSBillOutput::~TwSSBillOutput() = default;

void TwSSBillOutput::copyFields(const TwSSBillOutput& other) {
    picParam1 = other.picParam1;
    picParam2 = other.picParam2;
    picParam3 = other.picParam3;
    picFlag1 = other.picFlag1;
    picFlag2 = other.picFlag2;
    bill = other.bill;
    transaction = other.transaction;
    colTypes = other.colTypes;
    billFile = other.billFile;
    varNames = other.varNames;
    varValues = other.varValues;
    // The rows belong to the other object's sheet; this one writes into its own.
    row = 0;
    plainRow = 0;
}

Kv_Spread* TwSSBillOutput::getSSPointer() const { return window ? window->getSheet() : nullptr; }

Acad::ErrorStatus TwSSBillOutput::init(Kv_String file, const Kv_StringArray& colNames, const Kv_Array<int>&,
                                       const Kv_Array<int>& types, const Kv_String& settingsName,
                                       const Kv_StringArray& names, const Kv_StringArray& values) {
    if (!window || !window->create()) return kBillNoSheetWindow;
    Kv_Spread* sheet = getSSPointer();
    if (!sheet) return kBillNoSheetWindow;
    billFile = file;
    sheet->applySettingsFile(settingsName);
    SSSetGridType(sheet->m_hWnd, 7);
    SSSetGridColor(sheet->m_hWnd, 0x323232);
    varNames = names;
    varValues = values;
    sheet->setMaxCols(colNames.length(), true);
    sheet->setHeaderRowTexts(colNames);
    colTypes = types;
    for (int i = 0; i < colNames.length() && i < colTypes.length(); ++i) applyColumnType(*sheet, i + 1, colTypes[i]);
    return Acad::eOk;
}

void TwSSBillOutput::setVars(int param1, int param2, int param3, bool flag1, bool flag2, Kv_Bill* theBill,
                             Kv_BillTransaction* theTransaction) {
    picParam1 = param1;
    picParam2 = param2;
    picParam3 = param3;
    picFlag1 = flag1;
    picFlag2 = flag2;
    bill = theBill;
    transaction = theTransaction;
}

Acad::ErrorStatus TwSSBillOutput::onStartFeed() {
    if (makesPictures()) initBMPDialog(picParam2 + 20);
    return Acad::eOk;
}

void TwSSBillOutput::onAddRow(const Kv_StringArray& strings) {
    if (!makesPictures()) {
        addRow(strings, Kv_String());
        return;
    }
    Kv_String picture;
    if (!createImage(strings, picture, picParam1, picParam2, picParam3, picFlag1, picFlag2, bill, transaction)) {
        addRow(strings, Kv_String());
        return;
    }
    // The sheet keeps only the name of a picture file: the temporary file goes right after
    // the row is written, so the picture is kept beside the bill where the saved sheet finds it.
    const Kv_String kept = keepPicture(picture);
    addRow(strings, kept.isEmpty() ? picture : kept);
    deleteFile(picture);
}

Kv_String TwSSBillOutput::keepPicture(const Kv_String& picture) const {
    Kv_String folder = folderOfPath(billFile);
    Kv_String base, name;
    if (!getFileName(billFile, base) || !getFileName(picture, name)) return {};
    removeExtension(base);
    folder += base + "_pictures\\";
    if (!ObjectExportCreateDirectory(folder)) return {};
    const Kv_String target = folder + name;
    if (!ObjectExportCopyFile(picture, target)) return {};
    // The engine hands picture names to the window system as they are: a host path.
    return Kv_String(kvHostPath(target));
}

bool TwSSBillOutput::saveWorkbookCopy(Kv_Spread& sheet) const {
    SheetSettings settings;
    settings.readFromSheet(sheet);
    if (!settings.workbookCopy) return true;
    Kv_String copy = billFile;
    removeExtension(copy);
    copy += ".xlsx";
    // The engine's save call writes the format the name asks for.
    if (SSSaveToFile(sheet.m_hWnd, copy.c_str(), FALSE)) return true;
    acutPrintf("*Error* The workbook copy of the bill could not be saved to %s.\n", copy.c_str());
    return false;
}

void TwSSBillOutput::onAddSubTotals(const Kv_StringArray& totals, const Kv_StringArray&, bool, int) {
    Kv_Spread* sheet = getSSPointer();
    if (!sheet) return;
    writingTotals = true;
    addRow(totals, Kv_String());
    writingTotals = false;
    const int cols = sheet->getMaxCols();
    for (int i = 1; i <= cols && i <= totals.length(); ++i) {
        if (totals[i - 1].isEmpty()) continue;
        SSSetBorder(sheet->m_hWnd, i, row, 31, 1, kSystemButtonFace);
        SSSetColor(sheet->m_hWnd, i, row, kSubtotalBack, kSystemButtonFace);
    }
}

void TwSSBillOutput::growTo(Kv_Spread& sheet, int rows) {
    const int old = sheet.getMaxRows();
    // New rows start as copies of the last old row.  When that row is a subtotal or picture
    // row, its colours, borders and span would spread over every row still to come, so the
    // new rows take the look of the last plain data row instead.
    sheet.setMaxRows(rows);
    if (plainRow > 0 && plainRow != old) {
        const int cols = sheet.getMaxCols();
        for (int r = old + 1; r <= rows; ++r) sheet.CopyRange(SS_HEADER, plainRow, cols, plainRow, SS_HEADER, r);
    }
}

void TwSSBillOutput::widenTo(Kv_Spread& sheet, int cols) {
    const int old = sheet.getMaxCols();
    // The new columns are copies of the last named one, so that they look and behave like it;
    // its label and the values of the rows already written are not theirs and are cleared.
    sheet.setMaxCols(cols, true);
    const int rows = sheet.getMaxRows();
    for (int col = old + 1; col <= cols; ++col) {
        sheet.SetValue(col, SS_HEADER, "");
        for (int r = 1; r <= rows; ++r) sheet.SetValue(col, r, "");
    }
}

bool TwSSBillOutput::nextRow(Kv_Spread& sheet) {
    ++row;
    if (row <= sheet.getMaxRows()) return true;
    growTo(sheet, row + kGrowStep);
    sheet.clearRows(row, row + kGrowStep);
    return row <= sheet.getMaxRows();
}

void TwSSBillOutput::addRow(const Kv_StringArray& strings, const Kv_String& pictureFile) {
    Kv_Spread* sheet = getSSPointer();
    if (!sheet) return;
    if (strings.length() > sheet->getMaxCols()) widenTo(*sheet, strings.length());
    if (!nextRow(*sheet)) return;
    sheet->setRowStrings(row, strings, true);
    if (!writingTotals) plainRow = row;
    if (pictureFile.isEmpty()) return;
    // The picture row is taken even when the picture cannot be shown; it then stays empty.
    if (!nextRow(*sheet)) return;
    int pixelHeight = 0;
    if (!sheet->setPictureRow(pictureFile, 2, row, pixelHeight)) return;
    sheet->setCellPicture(1, row, IDB_BILL_PICTURE_ROW, false);
}

Acad::ErrorStatus TwSSBillOutput::onEndFeed() {
    if (makesPictures()) closeBMPDialog();
    Kv_Spread* sheet = getSSPointer();
    if (!sheet) return Acad::eInvalidInput;
    if (row < sheet->getMaxRows()) sheet->setMaxRows(row);
    sheet->autoFitAllCols(true);
    varNames.insertAt(0, "BillFilename");
    varValues.insertAt(0, billFile);
    varNames.insertAt(0, "Title");
    varValues.insertAt(0, billTitleOf(billFile));
    varNames.insertAt(0, "Date");
    varValues.insertAt(0, currentDateText());
    // The rows are saved even when not every variable fits into the sheet's settings; the
    // caller is told, as a bill without its variables is not what was asked for.
    const bool variablesStored = sheet->setSheetVariables(varNames, varValues);
    if (!sheet->saveSheet(billFile)) {
        acutPrintf("*Error* The bill could not be saved to %s.\n", billFile.c_str());
        return Acad::eFilerError;
    }
    if (!saveWorkbookCopy(*sheet)) return Acad::eFilerError;
    if (!variablesStored) {
        acutPrintf("*Error* The bill %s was saved without all of its variables.\n", billFile.c_str());
        return Acad::eFilerError;
    }
    return Acad::eOk;
}
