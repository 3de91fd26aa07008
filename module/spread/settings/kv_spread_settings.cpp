// Kv_Spread: preparing a sheet from a settings file, saving it with its pictures beside it,
// and replacing the variables of its settings record.
#include <cstdint>

#include "core/file_layer.h"
#include "spread/kv_spread.h"
#include "spread/settings/picture_relocation.h"
#include "spread/settings/sheet_settings.h"

namespace {

constexpr int kNewSheetCols = 6;
constexpr int kNewSheetRows = 11;

// Fonts of the settings' face and height on the data cells (regular) and on both headers
// (bold).  The engine copies what it needs of a font, so the handles go right after.
void applySettingsFonts(Kv_Spread& sheet, const SheetSettings& settings) {
    const int rows = sheet.GetMaxRows(), cols = sheet.GetMaxCols();
    HFONT regular = CreateFont(settings.defaultTextHeight, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                               settings.defaultFont.c_str());
    HFONT bold = CreateFont(settings.defaultTextHeight, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                            settings.defaultFont.c_str());
    if (rows > 0 && cols > 0) sheet.SetFontRange(1, 1, cols, rows, regular, TRUE);
    sheet.SetFontRange(SS_HEADER, 0, SS_HEADER, rows, bold, TRUE);
    sheet.SetFontRange(0, SS_HEADER, cols, SS_HEADER, bold, TRUE);
    DeleteObject(regular);
    DeleteObject(bold);
}

}  // namespace

bool Kv_Spread::initSheet(const Kv_String& settingsName, bool newSheet) {
    if (!isAttached()) return false;
    for (short option : {12, 25, 7, 21}) SetBool(option, 1);
    if (newSheet) {
        SetMaxCols(kNewSheetCols);
        SetMaxRows(kNewSheetRows);
        SSSetAutoSizeVisible(m_hWnd, 4, 5);
        SS_CELLTYPE edit;
        SetTypeEdit(&edit, 4, 100, 0, 1);
        SetCellTypeRange(1, 1, kNewSheetCols, kNewSheetRows, &edit);

        SheetSettings settings;
        if (!settings.readFile(settingsName)) {
            RegistrySettings registry;
            registry.read();
            // A default that cannot be read either leaves the built-in defaults.
            settings.readFile(registry.defaultSettings);
        }
        settings.writeToSheet(*this);
        if (!settings.defaultFont.isEmpty() && settings.defaultTextHeight >= 1) applySettingsFonts(*this, settings);
    }
    WORD status = 0;
    long delay = 0;
    LOGFONT tipFont{};
    COLORREF back = 0, fore = 0;
    GetTextTip(&status, &delay, &tipFont, &back, &fore);
    SetTextTip(2, 10, &tipFont, back, fore);
    _SSSetCellNoteIndicator(m_hWnd, 0);
    return true;
}

bool Kv_Spread::applySettingsFile(const Kv_String& settingsName) {
    if (!initSheet(settingsName, true)) return false;
    // The record initSheet stored is the one it took its fonts from: the named file, or the
    // registry's default settings when the named file could not be read.  Reading the named
    // file again would lose that fallback and put the sheet back on the built-in font.
    SheetSettings settings;
    settings.readFromSheet(*this);
    return applyFontSettings(settings.defaultFont, settings.defaultTextHeight);
}

bool Kv_Spread::saveSheet(const Kv_String& path) {
    if (!isAttached()) return false;
    if (!SSSaveToFile(m_hWnd, path.c_str(), FALSE)) return false;
    SetBool(sheet::kOptChanged, 0);
    SheetSettings settings;
    settings.readFromSheet(*this);
    const Kv_String sheetFolder = folderOfPath(path);
    const Kv_String installFolder = SheetSettings::installationFolder();
    // The footer is tried only when the header brought nothing new: both usually name the
    // same company picture.
    bool moved = relocatePicture(settings.headerFile, sheetFolder, installFolder);
    if (!moved) moved = relocatePicture(settings.footerFile, sheetFolder, installFolder);
    // The file on disk keeps the names it was saved with; they still resolve, because a bare
    // name is looked for beside the sheet first.
    if (moved) settings.writeToSheet(*this);
    return true;
}

bool Kv_Spread::setSheetVariables(const Kv_StringArray& names, const Kv_StringArray& values) {
    if (!isAttached()) return false;
    SheetSettings settings;
    settings.readFromSheet(*this);
    settings.varNames = names;
    settings.varValues = values;
    return settings.writeToSheet(*this);
}
