// The macro selection dialog through its exported launchers: choosing a picture, filtering by
// macro and property, and the filter area remembered between runs.
#include "macro/dlg_select_macro.h"

#include <filesystem>

#include "core/dialog_reg_values.h"
#include "core/macro_previews.h"
#include "engine_probe.h"
#include "kv_source_dir.h"
#include "macro/select_macro_ids.h"
#include "small_dialog_fixture.h"
#include "win/bitmap.h"
#include "win/draw.h"
#include "win/registry.h"

namespace {

constexpr int kDlg = IDD_SELECT_MACRO;
const char* const kMacros[] = {"BasePlate1", "BasePlate2", "EndPlate1", "Cleat1", "Stiffener1", "Splice1"};

class SelectMacroDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        std::filesystem::create_directories(root_ / "Macros");
        for (const auto& entry : std::filesystem::directory_iterator(kvSourceDir() + "/library/Macros"))
            std::filesystem::copy_file(entry.path(), root_ / "Macros" / entry.path().filename());
        for (const char* macro : kMacros)
            files.append(Kv_String((root_ / "Macros" / (std::string(macro) + ".dwg")).string()));
    }
    Kv_String macroFile(const char* name, const char* extension) const {
        return Kv_String((root_ / "Macros" / (std::string(name) + "." + extension)).string());
    }
    static HWND filterWindow() { return GetDlgItem(win::findOpenDialog(kDlg), IDC_SELECT_MACRO_FILTER); }
    static std::string cell(int col, int row) { return spread_test::EngineProbe(filterWindow()).dataAt(col, row); }
    // Where a cell of the filter table lies, learnt from a first look at the dialog.
    POINT cellPoint(int col, int row) {
        POINT point{0, 0};
        win::testing::TestScript look;
        look.inspect([&] { point = spread_test::cellCenter(filterWindow(), col, row); }).click(kDlg, IDCANCEL);
        Kv_String ignored;
        bool other = false;
        StartDlgSelectMacro("", files, 0, 0, ignored, other, true);
        return point;
    }
    // The middle of picture index: cells of 96 x 72 plus margins, four to a row.
    static POINT pictureCentre(int index) { return POINT{(index % 4) * 108 + 54, (index / 4) * 102 + 42}; }
    // The names under the pictures shown now.
    static std::vector<std::string> namesShown() {
        win::updateAllWindows();
        std::vector<std::string> names;
        for (const win::DrawRecord& record :
             win::paintRecords(GetDlgItem(win::findOpenDialog(kDlg), IDC_SELECT_MACRO_PICTURES)))
            if (record.kind == win::DrawRecord::Kind::Text) names.push_back(record.text);
        return names;
    }
    bool run(bool& otherChoice, bool option = true) {
        return StartDlgSelectMacro("Connection", files, 0, 0, selected, otherChoice, option);
    }

    Kv_StringArray files;
    Kv_String selected;
};

}  // namespace

TEST_F(SelectMacroDialogTest, OkTakesTheChosenPictureAsDrawingAndNothingWithoutOne) {
    bool other = true;
    script
        .inspect([] {
            EXPECT_EQ(namesShown(), (std::vector<std::string>{"Base plate 1", "Base plate 2", "End plate", "Cleat",
                                                              "Stiffener", "Beam splice"}));
            EXPECT_EQ(cell(1, 1), dialString(1119).str());
            EXPECT_EQ(cell(3, 1), dialString(1120).str() + " 2");
        })
        .click(kDlg, IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(kDlg), nullptr); })
        .clickAt(kDlg, IDC_SELECT_MACRO_PICTURES, pictureCentre(1))
        .click(kDlg, IDOK);
    EXPECT_TRUE(run(other));
    EXPECT_FALSE(other);
    EXPECT_EQ(selected, macroFile("BasePlate2", "dwg"));
}

TEST_F(SelectMacroDialogTest, MissingPreviewsAreMadeOnOpening) {
    ASSERT_FALSE(std::filesystem::exists(macroFile("Stiffener1", "bmp").str()));
    bool other = false;
    script.click(kDlg, IDCANCEL);
    EXPECT_FALSE(run(other));
    const win::LoadResult made = win::loadImageFile(macroFile("Stiffener1", "bmp").str());
    ASSERT_TRUE(made.ok);
    EXPECT_EQ(made.bitmap.width, CDlgSelectMacro::kPreviewWidth);
}

TEST_F(SelectMacroDialogTest, TheOtherChoiceLeavesWithTheSelectionAsHeld) {
    selected = "Earlier.dwg";
    bool other = false;
    script.click(kDlg, IDC_SELECT_MACRO_OTHER);
    EXPECT_TRUE(run(other));
    EXPECT_TRUE(other);
    EXPECT_EQ(selected, Kv_String("Earlier.dwg"));
}

TEST_F(SelectMacroDialogTest, UntickingAMacroHidesItsPicture) {
    const POINT endPlate = cellPoint(1, 4);
    bool other = false;
    script.clickAt(kDlg, IDC_SELECT_MACRO_FILTER, endPlate)
        .inspect([] {
            EXPECT_EQ(namesShown(),
                      (std::vector<std::string>{"Base plate 1", "Base plate 2", "Cleat", "Stiffener", "Beam splice"}));
            EXPECT_EQ(cell(1, 4), "0");
        })
        .clickAt(kDlg, IDC_SELECT_MACRO_PICTURES, pictureCentre(2))
        .click(kDlg, IDOK);
    EXPECT_TRUE(run(other));
    EXPECT_EQ(selected, macroFile("Cleat1", "dwg"));
}

TEST_F(SelectMacroDialogTest, UntickingAPropertyHidesTheMacrosWithoutIt) {
    // Cleat1's second property is "Beam"; unticked, only the macros with a beam stay.
    const POINT beam = cellPoint(3, 5);
    bool other = false;
    script.inspect([] { EXPECT_EQ(cell(3, 5), "1"); })
        .clickAt(kDlg, IDC_SELECT_MACRO_FILTER, beam)
        .inspect([] {
            EXPECT_EQ(namesShown(), (std::vector<std::string>{"End plate", "Cleat", "Beam splice"}));
            EXPECT_EQ(cell(3, 4), "0");  // End plate's "Beam" is the same property
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(run(other));
}

TEST_F(SelectMacroDialogTest, AFilterLeavingNothingShowsAnEmptyList) {
    AcArray<bool> allOff;
    fillArr(true, files.length(), allOff);
    bool other = false;
    script.inspect([] { EXPECT_TRUE(namesShown().empty()); }).click(kDlg, IDOK).click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgSelectMacro("", files, allOff, 0, 0, selected, other, true));
}

TEST_F(SelectMacroDialogTest, TheFilterAreaStateSurvivesBetweenRuns) {
    bool other = false;
    script.inspect([] { EXPECT_TRUE(control(kDlg, IDC_SELECT_MACRO_FILTER).visible); })
        .click(kDlg, IDC_SELECT_MACRO_TOGGLE)
        .inspect([] { EXPECT_FALSE(control(kDlg, IDC_SELECT_MACRO_FILTER).visible); })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(run(other));
    EXPECT_FALSE(readDlgRegBool("DLG_SELECT_MACRO", "LARGE_DLG", true));

    script.inspect([] { EXPECT_FALSE(control(kDlg, IDC_SELECT_MACRO_FILTER).visible); }).click(kDlg, IDCANCEL);
    EXPECT_FALSE(run(other));
}

TEST_F(SelectMacroDialogTest, AStoredFilterStateThatIsNoBooleanShowsTheFilter) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Karvel\\Dialogs\\DLG_SELECT_MACRO", 0, nullptr,
                             REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueEx(key, "LARGE_DLG", 0, REG_SZ, reinterpret_cast<const BYTE*>("yes"), 4);
    RegCloseKey(key);
    bool other = false;
    script.inspect([] { EXPECT_TRUE(control(kDlg, IDC_SELECT_MACRO_FILTER).visible); }).click(kDlg, IDCANCEL);
    EXPECT_FALSE(run(other));
}
