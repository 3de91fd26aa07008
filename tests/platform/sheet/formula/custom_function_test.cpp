#include "sheet/formula/custom_function.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_sheet.h"

namespace sheet::test {
namespace {

// What the last call of the recording callback received, decoded.
struct SeenArg {
    int16_t status, type;
    std::string text;  // string records
    double number = 0;
    int32_t col = 0, row = 0, col2 = 0, row2 = 0;
};
std::vector<SeenArg> g_seen;
SSValue g_reply;  // what the callback answers (a string reply is copied into a block)
std::string g_replyText;
bool g_replyOk = true;

bool recordingProc(SSValue* result, SSValue* args, int16_t count) {
    g_seen.clear();
    for (int i = 0; i < count; ++i) {
        SeenArg s;
        s.status = args[i].status;
        s.type = args[i].type;
        switch (args[i].type) {
        case kSSValueLong: s.number = args[i].longValue; break;
        case kSSValueDouble: s.number = args[i].doubleValue; break;
        case kSSValueString: s.text = memoryBlockFunctions().lock(args[i].textHandle); break;
        case kSSValueCell:
            s.col = args[i].cell.col;
            s.row = args[i].cell.row;
            break;
        case kSSValueRange:
            s.col = args[i].range.col;
            s.row = args[i].range.row;
            s.col2 = args[i].range.col2;
            s.row2 = args[i].range.row2;
            break;
        }
        g_seen.push_back(s);
    }
    *result = g_reply;
    if (g_reply.type == kSSValueString) {
        void* block = memoryBlockFunctions().alloc(g_replyText.size() + 1);
        std::memcpy(memoryBlockFunctions().lock(block), g_replyText.c_str(), g_replyText.size() + 1);
        memoryBlockFunctions().unlock(block);
        result->textHandle = block;
    }
    return g_replyOk;
}

// Counts blocks so that a test sees every block freed.
int g_liveBlocks = 0;
void* countingAlloc(size_t n) {
    ++g_liveBlocks;
    return std::malloc(n);
}
char* countingLock(void* h) { return static_cast<char*>(h); }
void countingUnlock(void*) {}
void countingRelease(void* h) {
    --g_liveBlocks;
    std::free(h);
}

class CustomFunction : public ::testing::Test {
protected:
    void SetUp() override {
        setMemoryBlockFunctions({countingAlloc, countingLock, countingUnlock, countingRelease});
        g_liveBlocks = 0;
        g_reply = SSValue();
        g_reply.status = kSSValueOk;
        g_reply.type = kSSValueLong;
        g_reply.longValue = 42;
        g_replyOk = true;
        ASSERT_TRUE(sheet.registry().add(makeCustomFunction("FROMTABLE", 2, 4, recordingProc, kSSCustomWantsCellRef)));
        ASSERT_TRUE(sheet.registry().add(makeCustomFunction("BYVALUE", 1, 3, recordingProc, 0)));
        sheet.setNumber(1, 1, 3);
        sheet.setText(2, 1, "Weight");
    }
    void TearDown() override {
        EXPECT_EQ(g_liveBlocks, 0) << "a string block leaked";
        setMemoryBlockFunctions({[](size_t n) { return std::malloc(n == 0 ? 1 : n); },
                                 [](void* h) { return static_cast<char*>(h); }, [](void*) {},
                                 [](void* h) { std::free(h); }});
    }
    FakeSheet sheet;
};

TEST_F(CustomFunction, AcceptsTwoToFourArgumentsAndRefusesFewerOrMore) {
    for (const char* ok : {"FROMTABLE(\"t\",A1)", "FROMTABLE(\"t\",A1,B1)", "FROMTABLE(\"t\",1,2,3)"}) {
        EXPECT_EQ(show(sheet.eval(ok)), "42") << ok;
    }
    for (const char* bad : {"FROMTABLE(\"t\")", "FROMTABLE()", "FROMTABLE(1,2,3,4,5)"}) {
        ParseResult r = parseFormula(bad, RefStyle::A1, {1, 1}, sheet.registry());
        EXPECT_FALSE(r.ok) << bad;
    }
}

TEST_F(CustomFunction, TooFewArgumentsAfterLateRegistrationIsValueError) {
    FakeSheet late;
    auto parsed = parseFormula("LATE(1)", RefStyle::A1, {1, 1}, late.registry());
    ASSERT_TRUE(parsed.ok);
    late.registry().add(makeCustomFunction("LATE", 2, 4, recordingProc, 0));
    g_seen.clear();
    EXPECT_EQ(show(evaluate(*parsed.formula, late)), "#VALUE!");
    EXPECT_TRUE(g_seen.empty()) << "the callback must not run";
}

TEST_F(CustomFunction, ArgumentsArriveAsEngineRecords) {
    sheet.eval("FROMTABLE(\"table.ss\",A1,2.5,TRUE)");
    ASSERT_EQ(g_seen.size(), 4u);
    EXPECT_EQ(g_seen[0].type, kSSValueString);
    EXPECT_EQ(g_seen[0].text, "table.ss");
    EXPECT_EQ(g_seen[1].type, kSSValueCell);
    EXPECT_EQ(g_seen[1].col, 1);
    EXPECT_EQ(g_seen[1].row, 1);
    EXPECT_EQ(g_seen[2].type, kSSValueDouble);
    EXPECT_EQ(g_seen[2].number, 2.5);
    EXPECT_EQ(g_seen[3].type, kSSValueLong);
    EXPECT_EQ(g_seen[3].number, 1);
    for (const auto& s : g_seen) EXPECT_EQ(s.status, kSSValueOk);

    sheet.eval("FROMTABLE(B1:C4,Z50,1/0)");
    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].type, kSSValueRange);
    EXPECT_EQ(std::vector<int32_t>({g_seen[0].col, g_seen[0].row, g_seen[0].col2, g_seen[0].row2}),
              std::vector<int32_t>({2, 1, 3, 4}));
    EXPECT_EQ(g_seen[1].type, kSSValueCell);  // an empty cell is still a reference
    EXPECT_EQ(g_seen[2].status, kSSValueError);
}

TEST_F(CustomFunction, WithoutTheCellFlagReferencesPassTheirValues) {
    sheet.eval("BYVALUE(A1,B1,Z50)");
    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].type, kSSValueLong);
    EXPECT_EQ(g_seen[0].number, 3);
    EXPECT_EQ(g_seen[1].text, "Weight");
    EXPECT_EQ(g_seen[2].status, kSSValueEmpty);
}

TEST_F(CustomFunction, ResultRecordsBecomeValues) {
    g_reply.type = kSSValueDouble;
    g_reply.doubleValue = 7.25;
    EXPECT_EQ(show(sheet.eval("FROMTABLE(1,2)")), "7.25");

    g_reply.type = kSSValueString;
    g_replyText = "HEA 200";
    EXPECT_EQ(show(sheet.eval("FROMTABLE(1,2)&\"!\"")), "\"HEA 200!\"");

    g_reply.type = kSSValueCell;
    g_reply.cell = {2, 1};
    EXPECT_EQ(show(sheet.eval("FROMTABLE(1,2)")), "\"Weight\"");

    g_reply.type = kSSValueRange;
    EXPECT_EQ(show(sheet.eval("FROMTABLE(1,2)")), "#VALUE!");
}

TEST_F(CustomFunction, FailuresBecomeValueErrorsAndFreeTheirBlocks) {
    g_reply.status = kSSValueError;
    EXPECT_EQ(show(sheet.eval("FROMTABLE(\"t\",1)")), "#VALUE!");
    g_reply.status = kSSValueEmpty;
    EXPECT_EQ(show(sheet.eval("FROMTABLE(\"t\",1)")), "#VALUE!");
    g_reply.status = kSSValueOk;
    g_reply.type = kSSValueString;  // a block that comes with a failure is freed too
    g_replyText = "lost";
    g_replyOk = false;
    EXPECT_EQ(show(sheet.eval("FROMTABLE(\"t\",1)")), "#VALUE!");
}

TEST_F(CustomFunction, NullCallbackIsRefused) {
    EXPECT_FALSE(sheet.registry().add(makeCustomFunction("NONE", 2, 4, nullptr, 0)));
    EXPECT_FALSE(sheet.registry().add(makeCustomFunction("BAD", 3, 2, recordingProc, 0)));
}

}  // namespace
// An array or a union has no cells a callback could address: it gets the array's one value or
// an error, never a range record of made-up coordinates.
TEST_F(CustomFunction, ArraysAndUnionsArriveAsValuesOrErrors) {
    EXPECT_EQ(show(sheet.eval("BYVALUE({1,2},(A1,B1),{7})")), "42");
    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].status, kSSValueError);
    EXPECT_EQ(g_seen[1].status, kSSValueError);
    EXPECT_EQ(g_seen[2].status, kSSValueOk);
    EXPECT_EQ(g_seen[2].number, 7);
}

}  // namespace sheet::test
