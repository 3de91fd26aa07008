#include <gtest/gtest.h>

#include <fstream>

#include "core/macro_previews.h"
#include "core/macro_props_filter.h"
#include "temp_folder.h"

namespace {

class MacroSelectionTest : public ::testing::Test {
protected:
    Kv_String macro(const std::string& name, const std::string& properties) {
        if (!properties.empty()) {
            std::ofstream out(folder_.file(name + ".abm"));
            out << properties;
        }
        return Kv_String(folder_.file(name + ".dwg"));
    }
    TempFolder folder_;
};

}  // namespace

TEST_F(MacroSelectionTest, MacrosAreOfferedByTheirOwnStateAndThePropertiesAskedFor) {
    Kv_StringArray files;
    files.append(macro("Plate1", "KvPropertiesList 1\nint\tBolted\t1\nint\tWelded\t0\n"));
    files.append(macro("Plate2", "KvPropertiesList 1\nint\tBolted\t1\nint\tWelded\t1\n"));
    files.append(macro("Broken", "not a property list\n"));
    AcArray<bool> startOff;
    startOff.append(false);  // a missing flag for the others: on
    Kv_MacroPropsFilter filter;
    EXPECT_EQ(filter.init(files, startOff, 3, 4), 2);
    EXPECT_EQ(filter.getFilteredMacros().length(), 3);  // the unreadable one is offered too

    Kv_Array<Kv_StringArray> names;
    Kv_Array<Kv_Array<int>> states;
    ASSERT_TRUE(filter.getMergedProperties(names, states));
    EXPECT_EQ(names[0], (Kv_StringArray{"Plate1", "Bolted"}));  // a property of value 0 is not had
    EXPECT_EQ(names[2], (Kv_StringArray{"Broken"}));

    // Asking for "Welded" through Plate2's row keeps only the macros that have it.
    EXPECT_TRUE(filter.setModulePropStatus(1, "Welded", false));
    EXPECT_EQ(filter.getFilteredMacros(), (Kv_StringArray{files[1]}));
    EXPECT_FALSE(filter.setModulePropStatus(0, "Welded", false));  // Plate1 has no such box
    EXPECT_TRUE(filter.setModuleStatus(1, false));
    EXPECT_TRUE(filter.getFilteredMacros().isEmpty());
    EXPECT_FALSE(filter.setModuleStatus(7, true));
}

TEST_F(MacroSelectionTest, PreviewsAreMadeOnlyWhereNoneExists) {
    Kv_StringArray files;
    files.append(macro("New1", "KvPropertiesList 1\nint\tBolted\t1\n"));
    files.append(macro("Old1", "KvPropertiesList 1\n"));
    {
        std::ofstream old(folder_.file("Old1.bmp"));
        old << "not a picture, but the person's file";
    }
    EXPECT_EQ(CreatePreviewBMPs(40, 30, files, Kv_String()), 1);
    std::ifstream made(folder_.file("New1.bmp"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(made)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.size(), 54u + 30u * 120u);  // rows of 40 pixels, 3 bytes each
    std::ifstream old(folder_.file("Old1.bmp"));
    std::string kept((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "not a picture, but the person's file");
    // A folder that does not exist gets nothing and nothing fails.
    EXPECT_EQ(CreatePreviewBMPs(40, 30, files, Kv_String(folder_.file("missing"))), 0);
}

TEST_F(MacroSelectionTest, NamesAndFlags) {
    EXPECT_EQ(stripNumbersAtEnd("BasePlate12"), Kv_String("BasePlate"));
    EXPECT_EQ(stripNumbersAtEnd("M2x"), Kv_String("M2x"));
    EXPECT_EQ(stripNumbersAtEnd("12"), Kv_String(""));
    AcArray<bool> flags;
    flags.append(true);
    fillArr(false, 3, flags);
    ASSERT_EQ(flags.length(), 3);
    EXPECT_FALSE(flags[2]);
    fillArr(true, -1, flags);
    EXPECT_TRUE(flags.isEmpty());
    EXPECT_EQ(Kv_MacroPropsFilter::withExtension("lib\\Macros.v2\\Cleat1", "dwg"),
              Kv_String("lib\\Macros.v2\\Cleat1.dwg"));
    EXPECT_EQ(Kv_MacroPropsFilter::withExtension("lib/Cleat1.abm", "bmp"), Kv_String("lib/Cleat1.bmp"));
}
