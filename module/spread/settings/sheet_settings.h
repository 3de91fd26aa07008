#pragma once
// SheetSettings: the settings record a sheet carries with it: default font and text height,
// header and footer picture files, four print margins, six print switches and the named
// variables.  The record travels inside the sheet as the tag of cell (0, 0) and comes in the
// first place from a settings file "<installation folder><name>.twd".  The module reads
// settings files but never writes them.
//
// Rules it keeps:
// - A key that is absent or of another type leaves its field at the default.
// - The variable lists are read by consecutive index from 0 and end up of equal length (the
//   longer one is cut).
// - Writing into a sheet happens only after a read that set `loaded`.

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/property_bag.h"
#include "win/types.h"

class Kv_Spread;

class SheetSettings {
public:
    SheetSettings() = default;
    SheetSettings(const SheetSettings&) = default;
    SheetSettings& operator=(const SheetSettings&) = default;
    virtual ~SheetSettings() = default;

    // Every field from defaultFont down to border back to its default; loaded cleared.  The
    // picture files and the variables keep their values.
    void reset();
    // Resets, sets loaded and takes the keys of the settings file of that name.
    bool readFile(const Kv_String& name);
    // Resets, sets loaded and takes the keys of the tag of the sheet's cell (0, 0); an empty
    // tag gives the defaults.  False only for a sheet that is not attached.
    bool readFromSheet(const Kv_Spread& sheet);
    // Stores the record as the tag of the sheet's cell (0, 0).  False when nothing was read
    // before or the engine refused the tag.  A record longer than a tag may be (65,535 bytes)
    // is stored without the variables that do not fit (the first ones are kept, names and
    // values alike), a line on the command line says how many were stored, and the result
    // is false.
    bool writeToSheet(const Kv_Spread& sheet) const;

    void takeKeys(const PropertyBag& bag);
    PropertyBag toBag() const;

    // "<installation folder>\<name>.twd", the folder with backslashes and a trailing one.
    static Kv_String settingsFilePath(const Kv_String& name);
    // The installation folder as the settings paths use it.
    static Kv_String installationFolder();

    HWND sheetWnd = nullptr;
    bool loaded = false;
    Kv_String headerFile;
    Kv_String footerFile;
    Kv_String defaultFont = "Tahoma";
    int defaultTextHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    bool cellSeperators = true;
    bool border = true;
    // A bill is also saved as an .xlsx workbook beside the sheet (key "workbookCopy", written
    // only when on, so that records without it read as before).
    bool workbookCopy = false;
    Kv_StringArray varNames;
    Kv_StringArray varValues;

private:
    // How many leading variables fit into one tag beside the fixed keys.
    int variablesThatFit() const;
};

// The two values of the spreadsheet side's registry key
// HKEY_LOCAL_MACHINE\Software\Tornwick\Spreadsheet Editor v1.0.
class RegistrySettings {
public:
    // Fills both values (their defaults when absent); true only when both were read.
    bool read();

    Kv_String language = "EN";
    Kv_String defaultSettings;

    static constexpr const char* kKeyPath = "Software\\Tornwick\\Spreadsheet Editor v1.0";
};
