// Kv_ProfValuesTable over files of a library folder of its own.
#include "kv_source_dir.h"
#include "sections/kv_prof_values_table.h"

#include "sections_test_support.h"

namespace {

class ProfValuesTableTest : public SectionsTest {
protected:
    void writeTable(const std::string& file, const std::string& bytes) { writeBytes(library() / "prof" / file, bytes); }

    // A table as the library editor makes it, with an English display-name column.
    static Kv_ProfValuesTable sampleTable() {
        Kv_ProfValuesTable table;
        table.tableName = "IPE";
        table.description = "1";
        table.columnNames = {"SysName", "I/O", "English", "Height"};
        table.rows = {
            {"IPE100", "1", "IPE 100", "100"}, {"IPE120", "0", "IPE 120", "120"}, {"IPE140", "1", "IPE 140", "140"}};
        return table;
    }
};

}  // namespace

TEST_F(ProfValuesTableTest, WriteThenReadGivesEverythingBack) {
    Kv_ProfValuesTable table = sampleTable();
    table.description = "Wide\tflange\r\nbeams \\ 1";
    table.columnNames.append("Note");
    table.rows[0].append("a\tb\nc");
    table.rows.append({});
    table.rows.append({""});
    ASSERT_TRUE(table.writeToFile("IPE.pr"));

    Kv_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile("ipe.PR"));
    EXPECT_EQ(read.tableName, "ipe");  // the name as the caller spelt the file
    EXPECT_EQ(read.description, table.description);
    EXPECT_EQ(read.columnNames, table.columnNames);
    EXPECT_EQ(read.rows, table.rows);
}

TEST_F(ProfValuesTableTest, TheFileHoldsDescriptionColumnNamesAndRowsButNoTableName) {
    ASSERT_TRUE(sampleTable().writeToFile("Family.pr"));
    const std::string text = readBytes(library() / "prof" / "Family.pr");
    EXPECT_EQ(text.substr(0, text.find("IPE120")), "1\r\nSysName\tI/O\tEnglish\tHeight\r\nIPE100\t1\tIPE 100\t100\r\n");
    Kv_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile("Family.pr"));
    EXPECT_EQ(read.tableName, "Family");
}

TEST_F(ProfValuesTableTest, AFileWithOnlyADescriptionLineKeepsItAsARow) {
    writeTable("Lonely.pr", "10\r\n");
    Kv_ProfValuesTable table;
    table.description = "old";
    ASSERT_TRUE(table.readFromFile("Lonely.pr"));
    EXPECT_EQ(table.description, "old");
    EXPECT_TRUE(table.columnNames.isEmpty());
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0], (Kv_StringArray{"10"}));
}

TEST_F(ProfValuesTableTest, AnEmptyFirstLineLeavesTheDescription) {
    writeTable("NoDescription.pr", "\r\nSysName\tI/O\r\nA\t1\r\n");
    Kv_ProfValuesTable table;
    table.description = "kept";
    ASSERT_TRUE(table.readFromFile("NoDescription.pr"));
    EXPECT_EQ(table.description, "kept");
    EXPECT_EQ(table.columnNames, (Kv_StringArray{"SysName", "I/O"}));
    EXPECT_EQ(table.rows.length(), 1);
}

TEST_F(ProfValuesTableTest, AnUnreadableFileChangesNothing) {
    writeTable("Bad.pr", "1\r\nSysName\tI/O\r\nA\\q\t1\r\n");
    Kv_ProfValuesTable table = sampleTable();
    EXPECT_FALSE(table.readFromFile("Bad.pr"));
    EXPECT_FALSE(table.readFromFile("Missing.pr"));
    EXPECT_EQ(table.rows, sampleTable().rows);
    EXPECT_EQ(table.tableName, "IPE");
    EXPECT_EQ(table.description, "1");
}

TEST_F(ProfValuesTableTest, GetColumnFollowsTheFirstRowsLength) {
    Kv_ProfValuesTable table;
    table.rows = {{"A", "1"}, {"B", "0", "long"}, {"C"}};
    Kv_StringArray values{"untouched"};
    EXPECT_FALSE(table.getColumn(values, 2));
    EXPECT_FALSE(table.getColumn(values, -1));
    EXPECT_EQ(values, (Kv_StringArray{"untouched"}));
    ASSERT_TRUE(table.getColumn(values, 1));
    EXPECT_EQ(values, (Kv_StringArray{"1", "0", ""}));
    table.columnNames = {"SysName", "I/O"};
    ASSERT_TRUE(table.getColumn(values, "SysName"));
    EXPECT_EQ(values, (Kv_StringArray{"A", "B", "C"}));
    EXPECT_FALSE(table.getColumn(values, "sysname"));
    EXPECT_FALSE(Kv_ProfValuesTable().getColumn(values, 0));
}

TEST_F(ProfValuesTableTest, SystemNamesCarryTheTableNameAndSkipOnlyZeroFlags) {
    Kv_ProfValuesTable table = sampleTable();
    table.rows.insertAt(1, {"IPE110", ""});
    table.rows.append({"IPE160", "maybe"});
    Kv_StringArray names;
    table.getSysNames(names);
    EXPECT_EQ(names, (Kv_StringArray{"IPE-IPE100", "IPE-IPE110", "IPE-IPE120", "IPE-IPE140", "IPE-IPE160"}));
    table.getFilteredSysNames(names);
    EXPECT_EQ(names, (Kv_StringArray{"IPE-IPE100", "IPE-IPE110", "IPE-IPE140", "IPE-IPE160"}));
}

TEST_F(ProfValuesTableTest, FilteredIndexCountsEveryFlagThatIsNotOne) {
    Kv_ProfValuesTable table;
    table.rows = {{"A", "1"}, {"B", ""}, {"C", "0"}, {"D", "1"}, {"E"}};
    // B is listed by getFilteredSysNames, yet counted out here.
    EXPECT_EQ(table.getfilteredIdx(0), 0);
    EXPECT_EQ(table.getfilteredIdx(1), 1);
    EXPECT_EQ(table.getfilteredIdx(3), 1);
    EXPECT_EQ(table.getfilteredIdx(4), 2);
    EXPECT_EQ(table.getfilteredIdx(5), -1);
    EXPECT_EQ(table.getfilteredIdx(-1), -1);
}

TEST_F(ProfValuesTableTest, NamesStayEmptyWhenTheFlagColumnCannotBeRead) {
    Kv_ProfValuesTable table;
    table.tableName = "T";
    table.rows = {{"A"}, {"B", "1"}};
    Kv_StringArray names{"stale"};
    table.getFilteredSysNames(names);
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(ProfValuesTableTest, InsertAtTheTopWithALanguageColumn) {
    Kv_ProfValuesTable table = sampleTable();
    table.rows = {{"1", "1", "x", "1"}, {"2", "1", "y", "2"}};
    ASSERT_TRUE(table.insertRow(-1));
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[0], (Kv_StringArray{"3", "", "IPE3", ""}));
}

TEST_F(ProfValuesTableTest, InsertAfterARowCopiesItWithAFreeNameAndItsSeriesWord) {
    Kv_ProfValuesTable table = sampleTable();
    ASSERT_TRUE(table.insertRow(0));
    ASSERT_EQ(table.rows.length(), 4);
    EXPECT_EQ(table.rows[1], (Kv_StringArray{"IPE101", "1", "IPE IPE101", "100"}));
    // A display name without a number keeps all of it as its base.
    table.rows[2][2] = "Special";
    ASSERT_TRUE(table.insertRow(2));
    EXPECT_EQ(table.rows[3][2], "SpecialIPE121");
    // A copied row too short for the language column is lengthened to hold the display name.
    table.rows[0] = {"S7"};
    ASSERT_TRUE(table.insertRow(0));
    EXPECT_EQ(table.rows[1], (Kv_StringArray{"S8", "", "IPES8"}));
}

TEST_F(ProfValuesTableTest, InsertWithoutALanguageColumnWritesNoDisplayName) {
    Kv_ProfValuesTable table = sampleTable();
    table.columnNames = {"SysName", "I/O", "Deutsch", "Height"};
    ASSERT_TRUE(table.insertRow(2));
    EXPECT_EQ(table.rows[3], (Kv_StringArray{"IPE141", "1", "IPE 140", "140"}));
    ASSERT_TRUE(table.insertRow(-1));
    EXPECT_EQ(table.rows[0], (Kv_StringArray{"1", "", "", ""}));
}

TEST_F(ProfValuesTableTest, InsertIntoAnEmptyTableAndOutOfRange) {
    Kv_ProfValuesTable table;
    table.tableName = "T";
    ASSERT_TRUE(table.insertRow(-1));
    EXPECT_EQ(table.rows[0], (Kv_StringArray{"1"}));
    EXPECT_FALSE(table.insertRow(1));
    EXPECT_FALSE(table.insertRow(-2));
    EXPECT_EQ(table.rows.length(), 1);
}

TEST_F(ProfValuesTableTest, UnusedNamesLookAtEveryRow) {
    Kv_ProfValuesTable table;
    table.rows = {{}, {"S1"}, {"S2"}};
    EXPECT_EQ(table.findUnusedSysName("S1"), "S3");
    EXPECT_EQ(table.findUnusedSysName("Free"), "Free");
}

TEST_F(ProfValuesTableTest, RowsByIndexAndByName) {
    Kv_ProfValuesTable table = sampleTable();
    int index = -1;
    ASSERT_TRUE(table.findSysName("IPE140", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(table.findSysName("ipe140", index));
    EXPECT_EQ(index, 2);
    Kv_StringArray row;
    EXPECT_TRUE(table.getRow(row, 1));
    EXPECT_EQ(row[0], "IPE120");
    EXPECT_FALSE(table.getRow(row, 3));
    EXPECT_FALSE(table.deleteRow(3));
    EXPECT_TRUE(table.deleteRow(0));
    EXPECT_EQ(table.rows[0][0], "IPE120");
    EXPECT_EQ(table.getColumnIdx("Height"), 3);
    EXPECT_EQ(table.getColumnIdx("Width"), -1);
}

TEST_F(ProfValuesTableTest, RemoveInactiveEntriesKeepsShortRows) {
    Kv_ProfValuesTable table;
    table.rows = {{"A", "0"}, {"B", "1"}, {"0"}, {"C", "0", "x"}, {"D", ""}};
    table.removeInactiveEntries();
    EXPECT_EQ(table.rows, (Kv_Array<Kv_StringArray>{{"B", "1"}, {"0"}, {"D", ""}}));
}

TEST_F(ProfValuesTableTest, TheBundledTablesRead) {
    setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
    for (const char* file : {"IPE.pr", "RHS.pr", "CHS.pr", "SHS.pr"}) {
        Kv_ProfValuesTable table;
        ASSERT_TRUE(table.readFromFile(file)) << file;
        EXPECT_TRUE(table.description.isNumber()) << file;
        EXPECT_EQ(table.columnNames[0], "SysName") << file;
        EXPECT_GE(table.getColumnIdx("English"), 2) << file;
        Kv_StringArray names;
        table.getFilteredSysNames(names);
        EXPECT_GE(names.length(), 5) << file;
        for (const Kv_StringArray& row : table.rows) EXPECT_EQ(row.length(), table.columnNames.length()) << file;
    }
}
