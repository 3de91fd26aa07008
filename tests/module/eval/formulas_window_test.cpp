// The formulas window: reading files out, evaluating a cell, and its buttons as a person uses
// them.
#include <fstream>

#include "core/kv_settings.h"
#include "eval_test_support.h"
#include "spread/eval/eval_ids.h"
#include "spread/eval/sheet_evaluation.h"
#include "win/constants.h"

namespace {

using eval_test::EvalTest;
using eval_test::SheetWindow;

std::string windowCell(int col, int row) {
    HWND sheetWindow = GetDlgItem(win::findOpenDialog(IDD_FORMULAS), IDC_FORMULAS_SHEET);
    std::string buffer(static_cast<size_t>(SSGetDataLen(sheetWindow, col, row)) + 1, '\0');
    SSGetData(sheetWindow, col, row, buffer.data());
    return buffer.c_str();
}

Kv_StringArray blankTexts(int count) {
    Kv_StringArray texts;
    for (int i = 0; i < count; ++i) texts.append("");
    return texts;
}

using FormulasWindowTest = EvalTest;

TEST_F(FormulasWindowTest, ReadSSFileGivesEveryRowWithEveryColumn) {
    {
        SheetWindow written(3, 4);
        written.set(1, SS_HEADER, "Pos");
        written.set(3, SS_HEADER, "Length");
        written.set(1, 1, "1");
        written.set(2, 1, "Beam");
        written.set(3, 2, "=2*3");
        written.set(2, 4, "Plate \xB0");
        ASSERT_TRUE(written.save(file("bill.kvs")));
    }
    Kv_String firstCell = "stale";
    Kv_StringArray headers{"stale"};
    Kv_Array<Kv_StringArray> rows{{"stale"}};
    ReadSSFile(file("bill.kvs"), firstCell, headers, rows);

    EXPECT_EQ(firstCell, "1");
    EXPECT_EQ(headers, (Kv_StringArray{"Pos", "", "Length"}));
    ASSERT_EQ(rows.length(), 4);
    EXPECT_EQ(rows[0], (Kv_StringArray{"1", "Beam", ""}));
    EXPECT_EQ(rows[1], (Kv_StringArray{"", "", "6"}));
    EXPECT_EQ(rows[2], (Kv_StringArray{"", "", ""}));
    EXPECT_EQ(rows[3], (Kv_StringArray{"", "Plate \xB0", ""}));
    EXPECT_EQ(win::findOpenDialog(IDD_FORMULAS), nullptr);
    EXPECT_EQ(printed(), "Loading spreadsheet:" + file("bill.kvs") + "\n");
}

TEST_F(FormulasWindowTest, AFileThatCannotBeLoadedGivesTheEmptyWindowSheet) {
    std::filesystem::create_directories(folder);
    {
        std::ofstream broken(file("broken.kvs"));
        broken << "KVSHEET 1\nsize 2 2\ncell 1 1 0 s \"cut";
    }
    for (const std::string& name : {file("absent.kvs"), file("broken.kvs"), std::string()}) {
        Kv_String firstCell = "stale";
        Kv_StringArray headers;
        Kv_Array<Kv_StringArray> rows;
        ReadSSFile(name, firstCell, headers, rows);
        EXPECT_EQ(firstCell, "");
        EXPECT_EQ(headers, blankTexts(8));
        ASSERT_EQ(rows.length(), 10) << name;
        for (const Kv_StringArray& row : rows) EXPECT_EQ(row, blankTexts(8));
    }
}

TEST_F(FormulasWindowTest, EvaluateSSLooksUpTheWeightInTheBundledTable) {
    script
        .inspect([] {
            HWND window = win::findOpenDialog(IDD_FORMULAS);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(win::describeWindow(window).visible);
            EXPECT_EQ(win::describeWindow(window).text, "Formulas");
            EXPECT_EQ(windowCell(1, 1), "42.3");
        })
        .click(IDD_FORMULAS, IDOK);
    EvaluateSS();
    const std::string text = printed();
    EXPECT_NE(text.find("Loading spreadsheet:" + std::string(evaluationTestFile().c_str()) + "\n"), std::string::npos);
    EXPECT_NE(text.find("Result is double: 42.300000\n"), std::string::npos);
}

TEST_F(FormulasWindowTest, EvaluatingACellGivesItsTextAfterwards) {
    {
        SheetWindow written(2, 2);
        written.set(2, 1, "4");
        written.set(1, 1, "=B1*B1+0.5");
        ASSERT_TRUE(written.save(file("square.kvs")));
    }
    script.click(IDD_FORMULAS, IDCANCEL);
    Kv_String cellText;
    EXPECT_EQ(evaluateSheetCell(file("square.kvs"), 1, 1, cellText), IDCANCEL);
    EXPECT_EQ(cellText, "16.5");
}

TEST_F(FormulasWindowTest, ReferenceStylesShowTheFormulasOfColumnFourInColumnOne) {
    {
        SheetWindow written(4, 5);
        written.set(2, 1, "3");
        written.set(4, 1, "=B1*2");
        written.set(4, 2, "=SUM($B$1:B2)");
        written.set(1, 5, "untouched");
        ASSERT_TRUE(written.save(file("styles.kvs")));
    }
    script.click(IDD_FORMULAS, IDC_FORMULAS_STYLE_R1C1)
        .inspect([] {
            EXPECT_EQ(windowCell(1, 1), "RC[-2]*2");
            EXPECT_EQ(windowCell(1, 2), "SUM(R1C2:RC[-2])");
            EXPECT_EQ(windowCell(1, 3), "");
            EXPECT_EQ(windowCell(1, 5), "untouched");  // an empty fifth formula is not copied
        })
        .click(IDD_FORMULAS, IDC_FORMULAS_STYLE_A1)
        .inspect([] { EXPECT_EQ(windowCell(1, 1), "B1*2"); })
        .click(IDD_FORMULAS, IDOK);
    Kv_String ignored;
    EXPECT_EQ(evaluateSheetCell(file("styles.kvs"), 2, 1, ignored), IDOK);
}

TEST_F(FormulasWindowTest, LoadAndSaveUseThePathField) {
    {
        SheetWindow written(2, 2);
        written.set(1, 1, "loaded");
        ASSERT_TRUE(written.save(file("source.kvs")));
    }
    Kv_String ignored;
    script.click(IDD_FORMULAS, IDC_FORMULAS_PATH)
        .type(IDD_FORMULAS, file("absent.kvs"))
        .click(IDD_FORMULAS, IDC_FORMULAS_LOAD)
        .inspect([this] { EXPECT_NE(printed().find("Load failed\n"), std::string::npos); })
        .click(IDD_FORMULAS, IDOK);
    evaluateSheetCell("", 1, 1, ignored);

    script.click(IDD_FORMULAS, IDC_FORMULAS_PATH)
        .type(IDD_FORMULAS, file("source.kvs"))
        .click(IDD_FORMULAS, IDC_FORMULAS_LOAD)
        .inspect([] { EXPECT_EQ(windowCell(1, 1), "loaded"); })
        .click(IDD_FORMULAS, IDOK);
    evaluateSheetCell("", 1, 1, ignored);

    const std::string saved = file("saved.kvs");
    script.click(IDD_FORMULAS, IDC_FORMULAS_PATH)
        .type(IDD_FORMULAS, saved)
        .click(IDD_FORMULAS, IDC_FORMULAS_SAVE)
        .click(IDD_FORMULAS, IDOK);
    evaluateSheetCell("", 1, 1, ignored);
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(printed().find("Save failed"), std::string::npos);

    script.click(IDD_FORMULAS, IDC_FORMULAS_PATH)
        .type(IDD_FORMULAS, file("no-such-folder/x.kvs"))
        .click(IDD_FORMULAS, IDC_FORMULAS_SAVE)
        .click(IDD_FORMULAS, IDOK);
    evaluateSheetCell("", 1, 1, ignored);
    EXPECT_NE(printed().find("Save failed\n"), std::string::npos);
}

TEST_F(FormulasWindowTest, RecalculateComputesFromTableWithTheWindowsSheetAsCaller) {
    writeSectionTable();
    {
        SheetWindow written(2, 3);
        written.set(2, 1, "=FROMTABLE(\"sections.kvs\",\"Name\",\"Weight\",\"IPE 200\")");
        written.set(2, 2, "=FROMTABLE(\"sections.kvs\",B3)");
        ASSERT_TRUE(written.save(file("uses.kvs")));
    }
    auto recalcEnabled = [] {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_FORMULAS), IDC_FORMULAS_RECALC)).enabled;
    };
    script
        .inspect([&] {
            EXPECT_NE(windowCell(2, 2), "61.3");
            EXPECT_TRUE(recalcEnabled());
        })
        .click(IDD_FORMULAS, IDC_FORMULAS_RECALC)
        .inspect([&] {
            EXPECT_EQ(windowCell(2, 1), "22.4");
            EXPECT_EQ(windowCell(2, 2), "61.3");
        })
        .click(IDD_FORMULAS, IDC_FORMULAS_AUTOCALC)
        .inspect([&] { EXPECT_FALSE(recalcEnabled()); })
        .click(IDD_FORMULAS, IDC_FORMULAS_AUTOCALC)
        .inspect([&] { EXPECT_TRUE(recalcEnabled()); })
        .click(IDD_FORMULAS, IDOK);
    Kv_String ignored;
    evaluateSheetCell(file("uses.kvs"), 1, 1, ignored);
    EXPECT_EQ(currentEvaluationSheet(), nullptr);
}

TEST_F(FormulasWindowTest, AFromTableFormulaTypedWithAutoCalculateComputes) {
    writeSectionTable();
    {
        // Fixed sizes, so that the cell a person clicks is known: headers 40 x 20, cells 60 x 20.
        SheetWindow written(3, 5);
        SSSetColWidthInPixels(written.h(), SS_HEADER, 40);
        SSSetRowHeightInPixels(written.h(), SS_HEADER, 20);
        for (int col = 1; col <= 3; ++col) SSSetColWidthInPixels(written.h(), col, 60);
        for (int row = 1; row <= 5; ++row) SSSetRowHeightInPixels(written.h(), row, 20);
        ASSERT_TRUE(written.save(file("typed.kvs")));
    }
    const POINT cellB4{40 + 60 + 30, 20 + 3 * 20 + 10};
    script.click(IDD_FORMULAS, IDC_FORMULAS_AUTOCALC)
        .clickAt(IDD_FORMULAS, IDC_FORMULAS_SHEET, cellB4)
        .type(IDD_FORMULAS, "=FROMTABLE(\"sections.kvs\",B3)")
        .key(IDD_FORMULAS, VK_RETURN)
        .inspect([] { EXPECT_EQ(windowCell(2, 4), "61.3"); })
        .clickAt(IDD_FORMULAS, IDC_FORMULAS_SHEET, cellB4)
        .type(IDD_FORMULAS, "=FROMTABLE(\"sections.kvs\",\"Name\",\"Pieces\",\"HEA 200\")*2")
        .key(IDD_FORMULAS, VK_RETURN)
        .inspect([] { EXPECT_EQ(windowCell(2, 4), "14"); })
        .click(IDD_FORMULAS, IDOK);
    Kv_String ignored;
    evaluateSheetCell(file("typed.kvs"), 1, 1, ignored);
    EXPECT_EQ(printed().find("*Error*"), std::string::npos);
}

}  // namespace
