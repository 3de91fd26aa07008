#pragma once
// The library editors' fixture: the sections fixture (own library and installation folders,
// English) with a registry file of its own, the engine's window class, tables written into the
// library's "prof\" folder, and a person's way of reaching the editors' sheets.

#include <cstring>
#include <string>

#include "engine_probe.h"
#include "sections/kv_prof_values_table.h"
#include "sections/section_lib_ids.h"
#include "sections_test_support.h"
#include "sheet/ss_api.h"
#include "win/input.h"
#include "win/registry.h"

class LibEditorTest : public SectionsTest {
protected:
    void prepareHost() override {
        win::setRegistryFile((root_ / "registry.json").string());
        ASSERT_TRUE(SSRegisterClass());
    }
    void releaseHost() override { win::setRegistryFile(""); }

    static Kv_ProfValuesTable table(const Kv_String& name, const Kv_String& description, const Kv_StringArray& columns,
                                    const Kv_Array<Kv_StringArray>& rows) {
        Kv_ProfValuesTable made;
        made.tableName = name;
        made.description = description;
        made.columnNames = columns;
        made.rows = rows;
        return made;
    }
    static Kv_StringArray tubeColumns() {
        return {"SysName",
                "I/O",
                "English",
                "Nederlands",
                "Deutsch",
                "Fran\xE7"
                "ais",
                "Height",
                "Width",
                "Thickness",
                "Radius"};
    }
    // Square and rectangular tubes, named by size, shown as "SHS <size>".
    static Kv_Array<Kv_StringArray> squareTubeRows() {
        Kv_Array<Kv_StringArray> rows;
        for (const char* size : {"40x40x4", "50x50x5", "80x80x8", "100x100x10", "200x100x5"}) {
            const Kv_StringArray parts = strToArr(size, 'x');
            const Kv_String radius(parts[2].toInt() * 2);
            rows.append({size, "1", Kv_String("SHS ") + size, Kv_String("Koker ") + size, Kv_String("SHS ") + size,
                         Kv_String("SHS ") + size, parts[0], parts[1], parts[2], radius});
        }
        return rows;
    }
    void writeTable(const Kv_ProfValuesTable& made) { ASSERT_TRUE(made.writeToFile(made.tableName + ".pr")); }
    static Kv_ProfValuesTable readTable(const Kv_String& name) {
        Kv_ProfValuesTable read;
        EXPECT_TRUE(read.readFromFile(name + ".pr")) << name;
        return read;
    }
    std::filesystem::path tableFile(const std::string& name) const { return library() / "prof" / (name + ".pr"); }

    // The sheet of an open dialog (by resource id, pages included) and its cells.
    static HWND sheetOf(int dialogId, int controlId) { return GetDlgItem(win::findOpenDialog(dialogId), controlId); }
    static std::string cellOf(HWND sheet, int col, int row) {
        std::string text(static_cast<size_t>(std::max(SSGetDataLen(sheet, col, row), 0)) + 1, '\0');
        SSGetData(sheet, col, row, text.data());
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    // Control 0 is the dialog itself.
    static win::WindowInfo controlOf(int dialogId, int controlId) {
        HWND dialog = win::findOpenDialog(dialogId);
        return win::describeWindow(controlId == 0 ? dialog : GetDlgItem(dialog, controlId));
    }

    // A click in the middle of a cell, then the typed text, as a person edits a cell.
    void clickCell(int dialogId, int controlId, int col, int row) {
        script.inspect(
            [dialogId, controlId, col, row] {
                HWND sheet = sheetOf(dialogId, controlId);
                ASSERT_NE(sheet, nullptr);
                win::input::click(sheet, spread_test::cellCenter(sheet, col, row));
            },
            "click a cell");
    }
    void typeIntoCell(int dialogId, int controlId, int col, int row, const std::string& text) {
        clickCell(dialogId, controlId, col, row);
        script.type(dialogId, text);
    }
};
