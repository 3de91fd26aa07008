#pragma once
// TwSSBillOutput: the list-output callback that writes a bill of materials into a sheet and
// saves it as a sheet file.  The producer calls init, optionally setVars, onStartFeed, any
// number of onAddRow and onAddSubTotals, and onEndFeed.
//
// Rules it keeps:
// - The sheet lives in a hidden window made by the first init and destroyed with the object.
// - Rows are written one after the other; the sheet grows in steps of 100 rows and is cut to
//   the rows written at the end.  A row longer than the column names widens the sheet with
//   columns that look like the last named one but are empty and unlabelled.
// - With a bill and a transaction set, every data row is followed by a row with the part's
//   picture, kept in the folder "<bill name>_pictures" beside the bill file.  The looks of
//   subtotal and picture rows never spread into grown rows.
// - The variables Date, Title and BillFilename go in front of the caller's; the settings
//   record with the variables is stored in the sheet and the sheet is saved to the bill file.
// - onEndFeed reports a missing sheet (3) and a bill file that could not be written
//   (eFilerError, with a line on the command line): a lost bill is never reported as done.

#include <memory>

#include "core/create_image.h"
#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/error_status.h"

class BillSheetHolder;
class Kv_Spread;

// init's result when the hidden sheet window cannot be made.
inline constexpr Acad::ErrorStatus kBillNoSheetWindow = static_cast<Acad::ErrorStatus>(337);

class TwSSBillOutput : public Kv_ListOutputCallback {
public:
    TwSSBillOutput();
    // A copy takes the settings, rows and variables but gets a window of its own, made by its
    // own init: two objects never write into one sheet.
    TwSSBillOutput(const TwSSBillOutput& other);
    TwSSBillOutput& operator=(const TwSSBillOutput& other);
    ~TwSSBillOutput() override;

    Acad::ErrorStatus init(Kv_String billFile, const Kv_StringArray& colNames, const Kv_Array<int>& unusedInts,
                           const Kv_Array<int>& colTypes, const Kv_String& settingsName, const Kv_StringArray& varNames,
                           const Kv_StringArray& varValues);
    void setVars(int param1, int param2, int param3, bool flag1, bool flag2, Kv_Bill* bill,
                 Kv_BillTransaction* transaction);

    Acad::ErrorStatus onStartFeed() override;
    Acad::ErrorStatus onEndFeed() override;
    void onAddRow(const Kv_StringArray& row) override;
    void onAddSubTotals(const Kv_StringArray& totals, const Kv_StringArray& others, bool grandTotal,
                        int level) override;

    // The last row written (for callers that follow progress).
    int rowsWritten() const { return row; }

private:
    Kv_Spread* getSSPointer() const;
    void addRow(const Kv_StringArray& strings, const Kv_String& pictureFile);
    bool nextRow(Kv_Spread& sheet);
    bool makesPictures() const { return bill != nullptr && transaction != nullptr; }
    void copyFields(const TwSSBillOutput& other);
    void growTo(Kv_Spread& sheet, int rows);
    void widenTo(Kv_Spread& sheet, int cols);
    Kv_String keepPicture(const Kv_String& picture) const;
    // The .xlsx copy beside the bill when its settings ask for one; false when it failed.
    bool saveWorkbookCopy(Kv_Spread& sheet) const;

    int picParam1 = -1, picParam2 = 0, picParam3 = 0;
    bool picFlag1 = true, picFlag2 = true;
    Kv_Bill* bill = nullptr;
    Kv_BillTransaction* transaction = nullptr;
    std::unique_ptr<BillSheetHolder> window;
    int row = 0;
    Kv_Array<int> colTypes;
    Kv_String billFile;
    Kv_StringArray varNames, varValues;
    // The last plain data row: what grown rows are made to look like.
    int plainRow = 0;
    bool writingTotals = false;
};

// The title a bill gets from its file: the file name without folder and extension, and of a
// name holding the byte 0xBF only the part after its last one.
Kv_String billTitleOf(const Kv_String& billFile);
