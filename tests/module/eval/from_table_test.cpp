// FROMTABLE called from a sheet's formulas, through the real engine and the formulas window.
#include <chrono>

#include <fstream>

#include "eval_test_support.h"
#include "zip_maker.h"
#include "spread/eval/table_cache.h"

namespace {

using eval_test::EvalTest;
using eval_test::fromTable;
using eval_test::SheetWindow;

class FromTableTest : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        caller = std::make_unique<SheetWindow>();
        ASSERT_TRUE(registerFromTable(caller->h()));
        table = writeSectionTable();
    }
    void TearDown() override {
        caller.reset();
        EvalTest::TearDown();
    }
    // Enters a formula into F10 of the caller while the caller is the sheet being evaluated.
    ::sheet::Value evaluate(const std::string& formula) {
        EvaluationScope scope(caller->h(), "");
        caller->set(6, 10, formula);
        return caller->value(6, 10);
    }
    std::unique_ptr<SheetWindow> caller;
    std::string table;
};

TEST_F(FromTableTest, LooksUpARowByKeyAndGivesANumberCellAsANumber) {
    ::sheet::Value v = evaluate(fromTable(table, "\"Name\",\"Weight\",\"HEA 200\""));
    ASSERT_TRUE(v.isNumber()) << caller->data(6, 10);
    EXPECT_DOUBLE_EQ(v.asNumber(), 42.3);
    EXPECT_NE(printed().find("Result is double: 42.300000\n"), std::string::npos);
}

TEST_F(FromTableTest, ResultsAreTypedByTheTableCellsType) {
    ::sheet::Value pieces = evaluate(fromTable(table, "\"Name\",\"Pieces\",\"HEB 200\""));
    ASSERT_TRUE(pieces.isNumber());
    EXPECT_EQ(pieces.asNumber(), 3);
    EXPECT_NE(printed().find("Result is long: 3\n"), std::string::npos);

    ::sheet::Value note = evaluate(fromTable(table, "\"Name\",\"Note\",\"HEA 200\""));
    ASSERT_TRUE(note.isText());
    EXPECT_EQ(note.asText(), "wide flange");
    EXPECT_NE(printed().find("Result is string: wide flange\n"), std::string::npos);
}

TEST_F(FromTableTest, KeysMatchIgnoringCaseButNotAcrossAnInnerBlank) {
    ::sheet::Value v = evaluate(fromTable(table, "\"NAME\",\"weight\",\"hea 200\""));
    ASSERT_TRUE(v.isNumber());
    EXPECT_DOUBLE_EQ(v.asNumber(), 42.3);
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Weight\",\"HEA200\"")).isError());
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Weight\",\"HEA  200\"")).isError());
}

TEST_F(FromTableTest, AMissingKeyColumnIsAnErrorEvenWhenTheResultColumnExists) {
    EXPECT_TRUE(evaluate(fromTable(table, "\"Section\",\"Weight\",\"HEA 200\"")).isError());
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Mass\",\"HEA 200\"")).isError());
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Weight\",\"HEM 200\"")).isError());
    EXPECT_EQ(printed().find("Result is"), std::string::npos);
}

TEST_F(FromTableTest, KeysComeFromCellsAndNumbersOfTheCaller) {
    caller->set(2, 2, "hea 200");
    ::sheet::Value v = evaluate(fromTable(table, "\"Name\",\"Weight\",B2"));
    ASSERT_TRUE(v.isNumber());
    EXPECT_DOUBLE_EQ(v.asNumber(), 42.3);
    // The key cell is read, so it stays a dependency: a new key looks up again.
    caller->set(2, 2, "IPE 200");
    ASSERT_TRUE(caller->value(6, 10).isNumber());
    EXPECT_DOUBLE_EQ(caller->value(6, 10).asNumber(), 22.4);
    // A whole number is looked up by its decimal text.
    ::sheet::Value byPieces = evaluate(fromTable(table, "\"Pieces\",\"Name\",7"));
    ASSERT_TRUE(byPieces.isText());
    EXPECT_EQ(byPieces.asText(), "HEA 200");
    // Any other number by the shortest text that reads back to it, as the cell shows it.
    ::sheet::Value byWeight = evaluate(fromTable(table, "\"Weight\",\"Name\",61.3"));
    ASSERT_TRUE(byWeight.isText());
    EXPECT_EQ(byWeight.asText(), "HEB 200");
}

TEST_F(FromTableTest, ACellReferenceNamesTheTableCell) {
    ::sheet::Value v = evaluate(fromTable(table, "B3"));
    ASSERT_TRUE(v.isNumber());
    EXPECT_DOUBLE_EQ(v.asNumber(), 61.3);
    // A range where a cell is needed names nothing.
    EXPECT_TRUE(evaluate(fromTable(table, "B3:B4")).isError());
}

TEST_F(FromTableTest, OneArgumentIsRefusedByTheEngine) {
    ::sheet::Sheet* model = SSGetSheet(caller->h());
    EXPECT_EQ(model->setData({1, 1}, "=FROMTABLE(\"" + table + "\")"), ::sheet::SetResult::BadFormula);
    EXPECT_FALSE(model->hasFormula({1, 1}));
}

TEST_F(FromTableTest, AnArgumentThatIsNotValidMakesAnError) {
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Weight\",1/0")).isError());
    // An empty cell as key arrives without a value.
    EXPECT_TRUE(evaluate(fromTable(table, "\"Name\",\"Weight\",D9")).isError());
    // The table must be named by a text.
    EXPECT_TRUE(evaluate("=FROMTABLE(12,B3)").isError());
}

TEST_F(FromTableTest, AMissingTableIsAnError) { EXPECT_TRUE(evaluate(fromTable(file("absent.kvs"), "B3")).isError()); }

TEST_F(FromTableTest, TheEngineNamesTheCallerWhenNoWindowEvaluates) {
    caller->set(1, 2, fromTable(table, "B3"));  // computed as entered, outside any evaluation
    ::sheet::Value v = caller->value(1, 2);
    ASSERT_TRUE(v.isNumber()) << caller->data(1, 2);
    EXPECT_DOUBLE_EQ(v.asNumber(), 61.3);
    EXPECT_EQ(currentEvaluationSheet(), nullptr);
}

TEST_F(FromTableTest, ACellMayReadItsOwnAddressFromATable) {
    // B2 of the table, not of the caller: no cycle.
    caller->set(2, 2, fromTable(table, "B2"));
    ::sheet::Value v = caller->value(2, 2);
    ASSERT_TRUE(v.isNumber()) << caller->data(2, 2);
    EXPECT_DOUBLE_EQ(v.asNumber(), 42.3);
    // The three-argument form may name its own cell as the table cell too.
    caller->set(4, 1, fromTable(table, "D1,E1"));
    EXPECT_TRUE(caller->value(4, 1).isError());
    EXPECT_EQ(caller->data(5, 1), "light");
}

TEST_F(FromTableTest, AChainMayComeBackToATableForAnotherCell) {
    // t!A1 -> u!B1 -> t!C1, where C1 is a constant.
    SheetWindow t(3, 2), u(2, 2);
    registerFromTable(t.h());
    registerFromTable(u.h());
    t.set(1, 1, "=FROMTABLE(\"u.kvs\",B1)");
    t.set(3, 1, "from t");
    u.set(2, 1, "=FROMTABLE(\"t.kvs\",C1)");
    ASSERT_TRUE(t.save(file("t.kvs")));
    ASSERT_TRUE(u.save(file("u.kvs")));

    ::sheet::Value v = evaluate(fromTable(file("t.kvs"), "A1"));
    ASSERT_TRUE(v.isText()) << caller->data(6, 10) << printed();
    EXPECT_EQ(v.asText(), "from t");
    EXPECT_EQ(printed().find("*Error*"), std::string::npos);
}

TEST_F(FromTableTest, ACellThatNeedsItselfThroughTablesIsAnErrorValue) {
    // t!A1 -> u!B2 -> t!A1.
    SheetWindow t(2, 2), u(2, 2);
    registerFromTable(t.h());
    registerFromTable(u.h());
    t.set(1, 1, "=FROMTABLE(\"u.kvs\",B2)");
    u.set(2, 2, "=FROMTABLE(\"t.kvs\",A1)");
    ASSERT_TRUE(t.save(file("t.kvs")));
    ASSERT_TRUE(u.save(file("u.kvs")));

    EXPECT_TRUE(evaluate(fromTable(file("t.kvs"), "A1")).isError());
    const std::string text = printed();
    EXPECT_NE(text.find("*Error* FROMTABLE: cell A1 of " + file("t.kvs") + " needs its own value.\n"),
              std::string::npos)
        << text;
    // A table cell that names itself is the shortest such chain.
    t.set(1, 1, "=FROMTABLE(\"t.kvs\",A1)");
    ASSERT_TRUE(t.save(file("t.kvs")));
    EXPECT_TRUE(evaluate(fromTable(file("t.kvs"), "A1")).isError());
    EXPECT_NE(printed().find("needs its own value"), std::string::npos);
    EXPECT_EQ(currentEvaluationSheet(), nullptr);
}

TEST_F(FromTableTest, ThreeArgumentsWriteIntoTheCallersCellAndAreAnErrorThemselves) {
    ::sheet::Value v = evaluate(fromTable(table, "D2,C5"));
    EXPECT_TRUE(v.isError());
    EXPECT_EQ(caller->data(3, 5), "wide flange");
    // The target must be a cell.
    caller->set(3, 6, "kept");
    EXPECT_TRUE(evaluate(fromTable(table, "D2,\"C6\"")).isError());
    EXPECT_EQ(caller->data(3, 6), "kept");
}

TEST_F(FromTableTest, ThreeArgumentsNeverOverwriteAFormula) {
    caller->set(2, 9, "=1+1");
    EXPECT_TRUE(evaluate(fromTable(table, "D2,B9")).isError());
    EXPECT_TRUE(SSGetSheet(caller->h())->hasFormula({2, 9}));
    EXPECT_NE(printed().find("does not overwrite the formula"), std::string::npos);
}

TEST_F(FromTableTest, TablesThatUseFromTableThemselvesAreFollowed) {
    // outer.kvs B1 reads B3 of the section table, named without a folder: beside outer.kvs.
    SheetWindow outer(2, 2);
    ASSERT_TRUE(registerFromTable(outer.h()));
    outer.set(1, 1, "HEB 200");
    outer.set(2, 1, "=FROMTABLE(\"sections.kvs\",B3)");
    ASSERT_TRUE(outer.save(file("outer.kvs")));

    // The outer table's cell is a general cell: its value comes back as a text.
    ::sheet::Value v = evaluate(fromTable(file("outer.kvs"), "B1"));
    ASSERT_TRUE(v.isText()) << caller->data(6, 10);
    EXPECT_EQ(v.asText(), "61.3");
    EXPECT_EQ(currentEvaluationSheet(), nullptr);
}

TEST_F(FromTableTest, LongChainsOfDistinctTablesEndAtTheNestingLimit) {
    // t<i>.kvs reads cell A<i+2> of t<i+1>.kvs from its cell A<i+1>; the last one holds a value.
    auto writeChain = [&](int length) {
        for (int i = 0; i < length; ++i) {
            SheetWindow link(1, length + 2);
            registerFromTable(link.h());
            if (i + 1 < length)
                link.set(1, i + 1, "=FROMTABLE(\"t" + std::to_string(i + 1) + ".kvs\",A" + std::to_string(i + 2) + ")");
            else
                link.set(1, i + 1, "end of chain");
            ASSERT_TRUE(link.save(file("t" + std::to_string(i) + ".kvs")));
        }
    };
    writeChain(6);
    ::sheet::Value v = evaluate(fromTable(file("t0.kvs"), "A1"));
    ASSERT_TRUE(v.isText());
    EXPECT_EQ(v.asText(), "end of chain");

    writeChain(kMaxTableNesting + 4);
    EXPECT_TRUE(evaluate(fromTable(file("t0.kvs"), "A1")).isError());
    EXPECT_NE(printed().find("tables nest deeper than 32"), std::string::npos);
    EXPECT_EQ(currentEvaluationSheet(), nullptr);
}

TEST_F(FromTableTest, ACallThatLoadsItsTableOpensAWindowThatClosesByItself) {
    evaluate(fromTable(table, "B2"));
    EXPECT_EQ(win::findOpenDialog(133), nullptr);
    EXPECT_NE(printed().find("Loading spreadsheet:\n"), std::string::npos);
    // The kept table answers the next call without loading.
    EXPECT_DOUBLE_EQ(evaluate(fromTable(table, "B3")).asNumber(), 61.3);
    EXPECT_EQ(printed().find("Loading spreadsheet:"), std::string::npos);
}

TEST_F(FromTableTest, TablesAreKeptWhileTheirFileIsUnchangedAndReadAgainWhenItChanges) {
    auto writeWeight = [&](const std::string& weight) {
        SheetWindow weights(2, 2);
        weights.set(1, 1, "HEA 200");
        weights.set(2, 1, weight);
        ASSERT_TRUE(weights.save(file("weights.kvs")));
    };
    writeWeight("42.3");
    const std::string weights = file("weights.kvs");
    EXPECT_EQ(evaluate(fromTable(weights, "B1")).asText(), "42.3");
    EXPECT_EQ(TableCache::instance().instanceCount(), 1u);

    // Same path, size and time: the kept table answers (it is not read again).
    const auto written = std::filesystem::last_write_time(weights);
    writeWeight("99.9");
    std::filesystem::last_write_time(weights, written);
    EXPECT_EQ(evaluate(fromTable(weights, "B1")).asText(), "42.3");

    // A new time (or size) is a changed file: read again.
    std::filesystem::last_write_time(weights, written + std::chrono::seconds(2));
    EXPECT_EQ(evaluate(fromTable(weights, "B1")).asText(), "99.9");
    EXPECT_EQ(TableCache::instance().instanceCount(), 1u);
}

TEST_F(FromTableTest, ATableIsComputedAgainWhenATableItReadsChanges) {
    // t!A2 = A1 * 2, and t!A1 reads u!B1.
    SheetWindow t(1, 2), u(2, 2);
    registerFromTable(t.h());
    t.set(1, 1, "=FROMTABLE(\"u.kvs\",B1)");
    t.set(1, 2, "=A1*2");
    u.set(2, 1, "5");
    ASSERT_TRUE(t.save(file("t.kvs")));
    ASSERT_TRUE(u.save(file("u.kvs")));
    EXPECT_EQ(evaluate(fromTable(file("t.kvs"), "A1")).asText(), "5");
    EXPECT_EQ(evaluate(fromTable(file("t.kvs"), "A2")).asText(), "10");

    u.set(2, 1, "70");
    ASSERT_TRUE(u.save(file("u.kvs")));
    EXPECT_EQ(evaluate(fromTable(file("t.kvs"), "A2")).asText(), "140");
}

TEST_F(FromTableTest, LookUpsIntoAKeptTableFindEveryRow) {
    for (const char* name : {"IPE 200", "hea 200", "HEB 200", "IPE 200"}) {
        ::sheet::Value v = evaluate(fromTable(table, std::string("\"Name\",\"Pieces\",\"") + name + "\""));
        ASSERT_TRUE(v.isNumber()) << name;
    }
    EXPECT_EQ(evaluate(fromTable(table, "\"Name\",\"Pieces\",\"HEB 200\"")).asNumber(), 3);
    EXPECT_EQ(evaluate(fromTable(table, "\"name\",\"PIECES\",\"IPE 200\"")).asNumber(), 12);
}

}  // namespace

namespace {

// A section table kept as an open document workbook: its labels are its first row.
std::string sectionRows() {
    auto cell = [](const std::string& text) {
        return "<table:table-cell office:value-type=\"string\"><text:p>" + text + "</text:p></table:table-cell>";
    };
    auto number = [](const std::string& n) {
        return "<table:table-cell office:value-type=\"float\" office:value=\"" + n + "\"/>";
    };
    return "<table:table-row>" + cell("Name") + cell("Weight") + "</table:table-row>" + "<table:table-row>" +
           cell("IPE 200") + number("22.4") + "</table:table-row>" + "<table:table-row>" + cell("HEA 200") +
           number("42.3") + "</table:table-row>" + "<table:table-row>" + cell("newer") +
           "<table:table-cell table:formula=\"of:=FOOBAR([.B2])\" office:value-type=\"float\""
           " office:value=\"5\"/></table:table-row>";
}

TEST_F(FromTableTest, AnOpenDocumentWorkbookServesLookUpsByLabelAndByCell) {
    const std::string ods = file("prices.ods");
    std::ofstream(ods, std::ios::binary) << zip_maker::openDocumentSheet({{"Prices", sectionRows()}});
    ::sheet::Value byKey = evaluate(fromTable(ods, "\"Name\",\"Weight\",\"hea 200\""));
    ASSERT_FALSE(byKey.isError()) << printed();
    // A workbook cell without a number format is a general cell: its value comes as its text.
    EXPECT_EQ(byKey.asText(), "42.3");
    // A function the engine does not know keeps the file's result, and the person is told once.
    const std::string told = printed();
    const std::string note = ods + ": functions the engine does not know, kept with the file's results: FOOBAR\n";
    EXPECT_NE(told.find(note), std::string::npos) << told;
    EXPECT_EQ(told.find(note), told.rfind(note));
    // FROMTABLE computes the table cell it reads: there the unknown function is an error.
    EXPECT_TRUE(evaluate(fromTable(ods, "\"Name\",\"Weight\",\"newer\"")).isError());
    EXPECT_EQ(evaluate(fromTable(ods, "B2")).asText(), "22.4");
    // Arithmetic reads the text as the number it is.
    EXPECT_DOUBLE_EQ(evaluate("=" + fromTable(ods, "B3").substr(1) + "*2").asNumber(), 84.6);
}

TEST_F(FromTableTest, AWorkbookSheetIsNamedAfterTheFileAndAMissingSheetIsAnError) {
    const std::string ods = file("book.ods");
    const std::string notes =
        "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"7\"/>"
        "<table:table-cell office:value-type=\"float\" office:value=\"8\"/></table:table-row>";
    std::ofstream(ods, std::ios::binary) << zip_maker::openDocumentSheet({{"Notes", notes}, {"Prices", sectionRows()}});
    // The first sheet unless one is named; names compare ignoring case.
    EXPECT_EQ(evaluate(fromTable(ods, "B1")).asText(), "8");
    EXPECT_EQ(evaluate(fromTable(ods + "#Prices", "B2")).asText(), "22.4");
    EXPECT_EQ(evaluate(fromTable(ods + "#prices", "\"Name\",\"Weight\",\"HEA 200\"")).asText(), "42.3");
    // Each sheet is a table of its own, also once both are kept.
    EXPECT_EQ(evaluate(fromTable(ods + "#Notes", "B1")).asText(), "8");
    EXPECT_EQ(evaluate(fromTable(ods + "#Prices", "B1")).asText(), "Weight");
    // A sheet the workbook does not have is a table that is not there.
    EXPECT_TRUE(evaluate(fromTable(ods + "#Costs", "B2")).isError());
    EXPECT_TRUE(evaluate(fromTable(file("absent.ods") + "#Prices", "B2")).isError());
    // Beside the calling sheet, like any table named without a folder.
    {
        EvaluationScope scope(caller->h(), file("caller.kvs").c_str());
        caller->set(6, 10, fromTable("book.ods#Prices", "B3"));
        EXPECT_EQ(caller->value(6, 10).asText(), "42.3") << printed();
    }
}

}  // namespace
