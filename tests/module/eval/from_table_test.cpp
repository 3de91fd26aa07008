// FROMTABLE called from a sheet's formulas, through the real engine and the formulas window.
#include "eval_test_support.h"

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
    // (A cell reference argument is also a reference for the engine: a formula naming its own
    // cell would be a cycle.)
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

TEST_F(FromTableTest, AMissingTableOrNoEvaluatingSheetIsAnError) {
    EXPECT_TRUE(evaluate(fromTable(file("absent.kvs"), "B3")).isError());
    caller->set(1, 2, fromTable(table, "B3"));  // nobody evaluates the caller: no caller sheet
    EXPECT_TRUE(caller->value(1, 2).isError());
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

TEST_F(FromTableTest, ATableChainThatComesBackEndsWithAnError) {
    // a.kvs asks b.kvs, which asks a.kvs again.
    SheetWindow a(2, 2), b(2, 2);
    registerFromTable(a.h());
    registerFromTable(b.h());
    a.set(1, 1, "=FROMTABLE(\"b.kvs\",B2)");
    b.set(2, 2, "=FROMTABLE(\"a.kvs\",A1)");
    ASSERT_TRUE(a.save(file("a.kvs")));
    ASSERT_TRUE(b.save(file("b.kvs")));

    EXPECT_TRUE(evaluate(fromTable(file("a.kvs"), "A1")).isError());
    const std::string text = printed();
    EXPECT_NE(text.find("refers back to a table being evaluated"), std::string::npos) << text;
    // A table that names itself is the shortest such chain.
    a.set(1, 1, "=FROMTABLE(\"a.kvs\",B2)");
    ASSERT_TRUE(a.save(file("a.kvs")));
    EXPECT_TRUE(evaluate(fromTable(file("a.kvs"), "A1")).isError());
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

TEST_F(FromTableTest, EveryCallOpensAWindowThatClosesByItself) {
    evaluate(fromTable(table, "B2"));
    EXPECT_EQ(win::findOpenDialog(133), nullptr);
    EXPECT_NE(printed().find("Loading spreadsheet:\n"), std::string::npos);
}

}  // namespace
