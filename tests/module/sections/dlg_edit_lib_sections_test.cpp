// The section library editor through StartDlgEditLibSections, as a person uses it: the record
// it hands back and the library files it leaves on disk.
#include <algorithm>
#include <cstdlib>

#include "core/records/dlg_edit_lib_data.h"
#include "lib_editor_test_support.h"
#include "frame/text_entry_ids.h"
#include "sections/dlg_edit_lib_sections.h"
#include "spread/spread_ids.h"
#include "win/font.h"

namespace {

constexpr int kMain = IDD_EDIT_LIB_SECTIONS;
constexpr int kGroups = IDD_LIB_GROUPS_PAGE;
constexpr int kTypes = IDD_LIB_TYPES_PAGE;
constexpr int kLibraries = IDD_LIB_LIBRARIES_PAGE;

class LibSectionsTest : public LibEditorTest {
protected:
    void SetUp() override {
        LibEditorTest::SetUp();
        writeTable(table(
            "RHS", "10", tubeColumns(),
            {{"RHS60x40x3", "1", "RHS 60x40x3", "Koker 60x40x3", "RHS 60x40x3", "RHS 60x40x3", "60", "40", "3", "6"},
             {"RHS80x40x4", "1", "RHS 80x40x4", "Koker 80x40x4", "RHS 80x40x4", "RHS 80x40x4", "80", "40", "4", "8"}}));
        writeTable(table("SHS", "10", tubeColumns(), squareTubeRows()));
        SectionGroup tubes;
        tubes.id = 4;
        tubes.names = {"Buizen", "Tubes", "Tubes", "Rohre"};
        data.groups.append(tubes);
        SectionType hollow;
        hollow.groupId = 4;
        hollow.names = {"Koker", "Hollow section", "Profil creux", "Hohlprofil"};
        data.types.append(hollow);
    }
    // The libraries tab, showing the library at that place of the list.
    void openLibraries() { script.chooseTab(kMain, IDC_LIB_TABS, 2); }
    static HWND librarySheet() { return sheetOf(kLibraries, IDC_LIB_SHEET); }
    static std::string libraryCell(int col, int row) { return cellOf(librarySheet(), col, row); }
    void editLibraryCell(int col, int row, const std::string& text) {
        typeIntoCell(kLibraries, IDC_LIB_SHEET, col, row, text);
    }

    DlgEditLibData data;
};

}  // namespace

TEST_F(LibSectionsTest, OpensOnTheGroupsAndCancelKeepsTheCallersRecord) {
    script.inspect([] {
        EXPECT_EQ(controlOf(kMain, 0).text, dialString(754).str());
        EXPECT_EQ(controlOf(kMain, IDC_LIB_TABS).items,
                  (std::vector<std::string>{dialString(755).str(), dialString(756).str(), dialString(757).str()}));
        EXPECT_TRUE(controlOf(kGroups, 0).visible);
        EXPECT_EQ(controlOf(kGroups, IDC_LIB_GROUP_LIST).items, (std::vector<std::string>{"Tubes"}));
        EXPECT_EQ(cellOf(sheetOf(kGroups, IDC_LIB_NAMES_SHEET), 1, 1), "Tubes");  // English first
        EXPECT_EQ(cellOf(sheetOf(kGroups, IDC_LIB_NAMES_SHEET), 1, 2), "Buizen");
    });
    script.click(kGroups, IDC_LIB_NEW).click(kMain, IDCANCEL);
    const DlgEditLibData before = data;
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(data, before);
    EXPECT_NE(host::CommandLine::instance().text().find("Window rect: ("), std::string::npos);
}

TEST_F(LibSectionsTest, OkKeepsTheEditsOfTheGroupAndTypeShown) {
    script.click(kGroups, IDC_LIB_PICTURE_FILE).type(kGroups, "tubes.bmp").click(kGroups, IDC_LIB_ENABLED);
    script.chooseTab(kMain, IDC_LIB_TABS, 1)
        .click(kTypes, IDC_LIB_SECOND_TEXT)
        .type(kTypes, "hollow")
        .click(kMain, IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(data.groups[0].pictureFile, "tubes.bmp");
    EXPECT_FALSE(data.groups[0].enabled);
    EXPECT_EQ(data.types[0].secondText, "hollow");
    EXPECT_EQ(data.types[0].groupId, 4);
    EXPECT_EQ(data.availableFiles, (Kv_StringArray{"RHS", "SHS"}));
}

TEST_F(LibSectionsTest, NewGroupsGetFreshIdentifiersAndNewTypesTheirWordsInOrder) {
    script.click(kGroups, IDC_LIB_NEW).chooseTab(kMain, IDC_LIB_TABS, 1).click(kTypes, IDC_LIB_NEW).inspect([] {
        HWND names = sheetOf(kTypes, IDC_LIB_NAMES_SHEET);
        EXPECT_EQ(cellOf(names, 1, 1), "New type");      // English
        EXPECT_EQ(cellOf(names, 1, 2), "Nieuw type");    // Nederlands
        EXPECT_EQ(cellOf(names, 1, 4), "Nouveau type");  // the French row
        EXPECT_EQ(controlOf(kTypes, IDC_LIB_TYPE_LIST).selection, 1);
    });
    typeIntoCell(kTypes, IDC_LIB_NAMES_SHEET, 1, 3, "Neuer Typ");
    script.click(kMain, IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    ASSERT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.groups[1].id, 5);
    ASSERT_EQ(data.types.length(), 2);
    EXPECT_EQ(data.types[1].names, (Kv_StringArray{"Nieuw type", "New type", "Nouveau type", "Neuer Typ"}));
}

TEST_F(LibSectionsTest, ATypeKeepsItsGroupWhenAnotherGroupIsRemoved) {
    SectionGroup beams;
    beams.id = 7;
    beams.names = {"Balken", "Beams", "Poutres", "Tr\xE4ger"};
    data.groups.append(beams);
    data.types[0].groupId = 7;
    script.chooseTab(kMain, IDC_LIB_TABS, 1)
        .inspect([] { EXPECT_EQ(controlOf(kTypes, IDC_LIB_TYPE_GROUP).selection, 1); })
        .chooseTab(kMain, IDC_LIB_TABS, 0)
        .choose(kGroups, IDC_LIB_GROUP_LIST, "Tubes")
        .click(kGroups, IDC_LIB_REMOVE)
        .click(kMain, IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    ASSERT_EQ(data.groups.length(), 1);
    EXPECT_EQ(data.types[0].groupId, 7);
}

TEST_F(LibSectionsTest, TheCallersProfileOpensItsLibraryOnItsRow) {
    writeTable(table("SHS-EU", "10", tubeColumns(), squareTubeRows()));
    script.inspect([] {
        EXPECT_TRUE(controlOf(kLibraries, 0).visible);
        EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).selection, 2);  // the longest name that fits
        spread_test::EngineProbe sheet(librarySheet());
        EXPECT_EQ(sheet.activeRow(), 4);
        EXPECT_EQ(controlOf(kLibraries, IDC_LIB_SECTION_TYPE).text, "10");
    });
    script.click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, "SHS-EU-100x100x10"));
}

TEST_F(LibSectionsTest, SwitchingWithChangesAsksAndCancelKeepsTheLibraryShown) {
    openLibraries();
    editLibraryCell(7, 1, "45");
    script.choose(kLibraries, IDC_LIB_LIBRARY_LIST, "SHS")
        .answerMessageBox(IDCANCEL)
        .inspect([] {
            EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).selection, 0);
            EXPECT_EQ(libraryCell(7, 1), "45");
        })
        .choose(kLibraries, IDC_LIB_LIBRARY_LIST, "SHS")
        .answerMessageBox(IDYES)
        .inspect([] { EXPECT_EQ(libraryCell(1, 1), "40x40x4"); })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    // Yes wrote what the sheet showed; Cancel of the dialog undid nothing on disk.
    EXPECT_EQ(readTable("RHS").rows[0][6], "45");
    EXPECT_EQ(readTable("RHS").description, "10");
}

TEST_F(LibSectionsTest, NoDiscardsTheChanges) {
    const std::string before = readBytes(tableFile("RHS"));
    openLibraries();
    editLibraryCell(7, 1, "45");
    script.choose(kLibraries, IDC_LIB_LIBRARY_LIST, "SHS")
        .answerMessageBox(IDNO)
        .choose(kLibraries, IDC_LIB_LIBRARY_LIST, "RHS")
        .inspect([] { EXPECT_EQ(libraryCell(7, 1), "60"); })
        .click(kMain, IDOK);
    EXPECT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readBytes(tableFile("RHS")), before);
}

TEST_F(LibSectionsTest, ClosingWithChangesAsksAndCancelKeepsTheDialogOpen) {
    openLibraries();
    editLibraryCell(7, 2, "44");
    script.click(kMain, IDOK)
        .answerMessageBox(IDCANCEL)
        .close(kMain)
        .answerMessageBox(IDCANCEL)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kMain), nullptr); })
        .click(kMain, IDCANCEL)
        .answerMessageBox(IDYES);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("RHS").rows[1][6], "44");
}

TEST_F(LibSectionsTest, ANewLibraryTakesAFreeNameAndIsWrittenOnlyWhenSaved) {
    // Taken in another case: the file layer would find it under the new name.
    writeTable(table("new library", "1", {"SysName"}, {{"x"}}));
    openLibraries();
    script.click(kLibraries, IDC_LIB_NEW).inspect([this] {
        EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items,
                  (std::vector<std::string>{"new library", "RHS", "SHS", "New library1"}));
        EXPECT_EQ(libraryCell(2, 1), "1");
        EXPECT_EQ(libraryCell(7, 1), "0");  // after the four language columns
        EXPECT_EQ(libraryCell(8, 1), "0");
        EXPECT_EQ(cellOf(librarySheet(), 7, SS_HEADER), dialString(86).str() + " 1");
        EXPECT_FALSE(std::filesystem::exists(tableFile("New library1")));
    });
    script.click(kMain, IDOK).answerMessageBox(IDYES);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    const Kv_ProfValuesTable saved = readTable("New library1");
    EXPECT_EQ(saved.rows, (Kv_Array<Kv_StringArray>{{"", "1", "", "", "", "", "0", "0"}}));
    EXPECT_TRUE(data.availableFiles.contains("New library1"));
}

TEST_F(LibSectionsTest, DeletingTheLastLibrariesLoadsTheNewLastAndThenDisablesEditing) {
    openLibraries();
    script.choose(kLibraries, IDC_LIB_LIBRARY_LIST, "SHS")
        .click(kLibraries, IDC_LIB_REMOVE)
        .answerMessageBox(IDYES)
        .inspect([] {
            EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).selection, 0);
            EXPECT_EQ(libraryCell(1, 1), "RHS60x40x3");
        })
        .click(kLibraries, IDC_LIB_REMOVE)
        .answerMessageBox(IDYES)
        .inspect([] {
            EXPECT_TRUE(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items.empty());
            for (int id : {IDC_LIB_REMOVE, IDC_LIB_LAYOUT, IDC_LIB_RENAME, IDC_LIB_SECTION_TYPE, IDC_LIB_FIND})
                EXPECT_FALSE(controlOf(kLibraries, id).enabled) << id;
            EXPECT_TRUE(controlOf(kLibraries, IDC_LIB_NEW).enabled);
        })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_FALSE(std::filesystem::exists(tableFile("SHS")));
    EXPECT_FALSE(std::filesystem::exists(tableFile("RHS")));
}

TEST_F(LibSectionsTest, RenamesAreRefusedForInvalidAndTakenNames) {
    openLibraries();
    script.click(kLibraries, IDC_LIB_RENAME)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "a/b")
        .click(IDD_TEXT_ENTRY, IDOK)
        .answerMessageBox(IDOK)
        .click(kLibraries, IDC_LIB_RENAME)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "shs")
        .click(IDD_TEXT_ENTRY, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] {
            EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items, (std::vector<std::string>{"RHS", "SHS"}));
        })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("SHS").rows.length(), 5);
    EXPECT_EQ(readTable("RHS").rows.length(), 2);
}

TEST_F(LibSectionsTest, ARenameWritesTheNewFileAndACaseOnlyRenameKeepsTheRows) {
    openLibraries();
    editLibraryCell(7, 1, "41");
    script.click(kLibraries, IDC_LIB_RENAME)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "Tubes")
        .click(IDD_TEXT_ENTRY, IDOK)
        .click(kLibraries, IDC_LIB_RENAME)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "TUBES")
        .click(IDD_TEXT_ENTRY, IDOK)
        .inspect([] {
            EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items, (std::vector<std::string>{"TUBES", "SHS"}));
            EXPECT_EQ(libraryCell(1, 2), "RHS80x40x4");
        })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_FALSE(std::filesystem::exists(tableFile("RHS")));
    const Kv_ProfValuesTable renamed = readTable("TUBES");
    ASSERT_EQ(renamed.rows.length(), 2);
    EXPECT_EQ(renamed.rows[0][6], "41");
}

TEST_F(LibSectionsTest, ARenameWhoseWriteFailsKeepsTheOldFile) {
    // A folder where the new file would go: the write cannot replace it.
    std::filesystem::create_directories(tableFile("Blocked"));
    const std::string before = readBytes(tableFile("RHS"));
    openLibraries();
    script.click(kLibraries, IDC_LIB_RENAME)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "Blocked")
        .click(IDD_TEXT_ENTRY, IDOK)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_EQ(controlOf(kLibraries, IDC_LIB_LIBRARY_LIST).items[0], "RHS"); })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readBytes(tableFile("RHS")), before);
}

TEST_F(LibSectionsTest, ASaveThatCannotWriteStopsWithTheEditsKept) {
    openLibraries();
    editLibraryCell(7, 1, "47");
    script
        .inspect([this] {
            std::filesystem::remove(tableFile("RHS"));
            std::filesystem::create_directories(tableFile("RHS"));
        })
        .click(kMain, IDOK)
        .answerMessageBox(IDYES)
        .answerMessageBox(IDOK)  // could not be saved
        .inspect([this] {
            EXPECT_EQ(libraryCell(7, 1), "47");
            std::filesystem::remove(tableFile("RHS"));
        })
        .click(kMain, IDOK)
        .answerMessageBox(IDYES);
    EXPECT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("RHS").rows[0][6], "47");
}

TEST_F(LibSectionsTest, ATypeWidensTheSheetAndAsksBeforeRemovingColumns) {
    writeTable(table("FLAT", "", {"SysName", "I/O", "English", "Width"}, {{"FL10", "1", "FL 10", "10"}}));
    writeTable(table("WIDE", "11",
                     {"SysName", "I/O", "English", "Nederlands", "Deutsch",
                      "Fran\xE7"
                      "ais",
                      "Diameter", "Extra"},
                     {{"R10", "1", "R 10", "R 10", "R 10", "R 10", "10", "x"}}));
    openLibraries();
    script.choose(kLibraries, IDC_LIB_LIBRARY_LIST, "FLAT")
        .choose(kLibraries, IDC_LIB_SECTION_TYPE, "8")
        .inspect([] {
            // Type 8: the lead columns and its two properties.
            EXPECT_EQ(SSGetMaxCols(librarySheet()), 8);
            EXPECT_EQ(cellOf(librarySheet(), 8, SS_HEADER), dialString(744).str());
            EXPECT_EQ(libraryCell(4, 1), "10");  // cells stay where they were
        })
        .choose(kLibraries, IDC_LIB_LIBRARY_LIST, "WIDE")
        .answerMessageBox(IDNO)
        .choose(kLibraries, IDC_LIB_SECTION_TYPE, "9")
        .answerMessageBox(IDNO)
        .inspect([] { EXPECT_EQ(SSGetMaxCols(librarySheet()), 8); })
        .choose(kLibraries, IDC_LIB_SECTION_TYPE, "11")
        .choose(kLibraries, IDC_LIB_SECTION_TYPE, "9")
        .answerMessageBox(IDYES)
        .inspect([] { EXPECT_EQ(SSGetMaxCols(librarySheet()), 7); })
        .click(kMain, IDOK)
        .answerMessageBox(IDYES);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("WIDE").columnNames.length(), 7);
    EXPECT_EQ(readTable("FLAT").description, "");  // the changes of FLAT were discarded
}

TEST_F(LibSectionsTest, TheLayoutButtonNeverRemovesColumns) {
    writeTable(table("BARS", "9",
                     {"SysName", "I/O", "English", "Nederlands", "Deutsch",
                      "Fran\xE7"
                      "ais",
                      "Diameter", "Note"},
                     {{"R10", "1", "R 10", "R 10", "R 10", "R 10", "10", "kept"}}));
    openLibraries();
    script.choose(kLibraries, IDC_LIB_LIBRARY_LIST, "BARS")
        .click(kLibraries, IDC_LIB_LAYOUT)
        .click(IDD_SHEET_LAYOUT, IDOK)
        .inspect([] {
            EXPECT_EQ(SSGetMaxCols(librarySheet()), 8);
            EXPECT_EQ(libraryCell(8, 1), "kept");
            EXPECT_EQ(cellOf(librarySheet(), 7, SS_HEADER), dialString(747).str());
            EXPECT_EQ(cellOf(librarySheet(), SS_HEADER, 1), "BARS");
        })
        .click(kMain, IDOK)
        .answerMessageBox(IDYES);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("BARS").rows[0][7], "kept");
}

TEST_F(LibSectionsTest, RowButtonsMarkTheLibraryChanged) {
    openLibraries();
    clickCell(kLibraries, IDC_LIB_SHEET, 1, 1);
    script.click(kLibraries, IDC_LIB_INSERT_ROW)
        .inspect([] { EXPECT_EQ(SSGetMaxRows(librarySheet()), 3); })
        .click(kLibraries, IDC_LIB_ROW_DOWN)
        .click(kMain, IDOK)
        .answerMessageBox(IDYES);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_EQ(readTable("RHS").rows.length(), 3);
}

// The names sheet's language column is as wide as its widest label, in the label's own font,
// with room for the header cell's frame; the names take the rest, also after a resize.
TEST_F(LibSectionsTest, TheLanguageColumnFitsItsLabels) {
    auto labelsFitted = [](int page) {
        HWND names = sheetOf(page, IDC_LIB_NAMES_SHEET);
        const spread_test::EngineProbe probe(names);
        int widest = 0;
        for (int row = 1; row <= probe.maxRows(); ++row) {
            const sheet::CellFont& font = probe.font(0, row);  // the model counts the header as 0
            widest = std::max(
                widest,
                win::measureText({font.face, std::abs(font.height), font.weight}, cellOf(names, SS_HEADER, row)).cx);
        }
        RECT client{};
        GetClientRect(names, &client);
        EXPECT_EQ(probe.maxRows(), 4);
        EXPECT_GT(widest, 40);
        EXPECT_EQ(probe.colWidth(SS_HEADER), widest + 8);
        EXPECT_EQ(probe.colWidth(1), client.right - client.left - probe.colWidth(SS_HEADER));
        return probe.colWidth(1);
    };
    int namesWidth = 0;
    script.inspect([&] { namesWidth = labelsFitted(kGroups); })
        .resize(kMain, 900, 600)
        .inspect([&] { EXPECT_GT(labelsFitted(kGroups), namesWidth); })
        .chooseTab(kMain, IDC_LIB_TABS, 1)
        .inspect([&] { labelsFitted(kTypes); })
        .click(kMain, IDCANCEL);
    EXPECT_FALSE(StartDlgEditLibSections(data, ""));
}
