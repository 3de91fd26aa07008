// Template files: names below the template folder, reading what is valid of damaged files,
// writing whole, pictures.
#include "kv_source_dir.h"
#include <cstring>

#include <nlohmann/json.hpp>

#include "core/kv_properties_list.h"
#include "frame/callable_exports.h"
#include "designer/kv_dlg_designer_data.h"
#include "designer_test_support.h"
#include "host/command_line.h"
#include "win/draw.h"

using namespace designer_test;

namespace {

class TemplateFile : public DesignerTest {
protected:
    // A property list file written as the core library writes it.
    void writeList(const std::string& relative, const Kv_PropertiesList& list) {
        ASSERT_TRUE(list.writeToFile(templatePath(relative)));
    }
    void writeText(const std::string& relative, const std::string& text) { writeFile(hostPath(relative), text); }
};

TEST_F(TemplateFile, NamesAreThePathBelowTheFolderWithoutExtension) {
    Kv_String name;
    EXPECT_TRUE(Kv_DlgDesignerData::getNameFromFile(templatePath("sub\\plate.txt"), name));
    EXPECT_EQ(name, "sub\\plate");
    // Either separator and any letter case name the same file.
    Kv_String slashes = getDesignerRootFolder() + "sub/Plate.txt";
    slashes.replaceSubString("Dialog Design", "dialog design");
    EXPECT_TRUE(Kv_DlgDesignerData::getNameFromFile(slashes, name));
    EXPECT_EQ(name, "sub\\Plate");
}

TEST_F(TemplateFile, PathsOutsideTheFolderAreRefused) {
    Kv_String name = "kept";
    EXPECT_FALSE(Kv_DlgDesignerData::getNameFromFile((library_ / "other.txt").string(), name));
    EXPECT_FALSE(Kv_DlgDesignerData::getNameFromFile(templatePath("..\\..\\escape.txt"), name));
    EXPECT_FALSE(Kv_DlgDesignerData::getNameFromFile(templatePath("sub\\..\\..\\x.txt"), name));
    EXPECT_EQ(name, "kept");

    // Reading refuses such a file even though it exists; writing writes nothing.
    writeText("../outside.txt", "KvPropertiesList 1\nint\tnrOfControls\t1\nint\ttype0\t2\n");
    Kv_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(templatePath("..\\outside.txt"), false));
    EXPECT_EQ(data.getNrControls(), 0);
    EXPECT_FALSE(data.writeToFile(templatePath("..\\..\\written.txt")));
    EXPECT_FALSE(std::filesystem::exists(library_ / "written.txt"));
}

TEST_F(TemplateFile, MissingFileLeavesTheTemplateUnchanged) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlVariableEdit, 0.1, 0.1, 0.2, 0.2, "W"));
    EXPECT_FALSE(data.readFromFile(templatePath("missing.txt"), true));
    EXPECT_EQ(data.getNrControls(), 1);
    EXPECT_TRUE(data.getName().isEmpty());
}

TEST_F(TemplateFile, RoundTripKeepsEveryStoredField) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    Kv_DesignerControl flex = makeControl(kCtrlFlexButton, 0.125, 0.25, 0.375, 1.0 / 3.0, "FIX");
    flex.setSplitExtComboList("g;;x");
    Kv_DesignerControl cell = makeControl(kCtrlCellButton, 0.5, 0.5, 0.6, 0.6, "Cell \xB0");
    cell.setSplitExtComboList("a;b;c;d;list.txt");
    data.append(flex);
    data.append(cell);
    data.append(makeControl(static_cast<Kv_ControlType>(77), 0.0, 0.0, 0.1, 0.1, "unknown kind"));
    ASSERT_TRUE(data.writeToFile(templatePath("round.txt")));
    EXPECT_EQ(data.getName(), "round");

    Kv_DlgDesignerData back;
    back.setDynamicIdRange(33000, 33099);
    ASSERT_TRUE(back.readFromFile(templatePath("round.txt"), false));
    ASSERT_EQ(back.getNrControls(), 3);
    const Kv_DesignerControl& f = *back.getControl(0);
    EXPECT_EQ(f.type, kCtrlFlexButton);
    EXPECT_EQ(f.topLeftX, 0.125);
    EXPECT_EQ(f.bottomRightY, 1.0 / 3.0);
    EXPECT_EQ(f.contents, "FIX");
    EXPECT_EQ(f.getMergedExtComboList(), "g;;x;");
    EXPECT_EQ(back.getControl(1)->contents, "Cell \xB0");
    EXPECT_EQ(back.getControl(1)->buttonText3, "c");
    EXPECT_EQ(back.getControl(1)->listText, "list.txt");
    // A type the program does not know is kept as stored.
    EXPECT_EQ(static_cast<int>(back.getControl(2)->type), 77);
}

TEST_F(TemplateFile, FlexTextWithThreePartsIsWrittenBackWithFour) {
    Kv_DesignerControl c;
    c.type = kCtrlFlexButton;
    c.setSplitExtComboList("g;;x");
    EXPECT_EQ(c.flexText1, "g");
    EXPECT_TRUE(c.flexText2.isEmpty());
    EXPECT_EQ(c.flexText3, "x");
    EXPECT_TRUE(c.flexText4.isEmpty());
    EXPECT_EQ(c.getMergedExtComboList(), "g;;x;");
    // Parts beyond the fourth are dropped; a new split empties the old texts first.
    c.setSplitExtComboList("a;b;c;d;e");
    EXPECT_EQ(c.getMergedExtComboList(), "a;b;c;d");
    c.setSplitExtComboList("only");
    EXPECT_EQ(c.getMergedExtComboList(), "only;;;");
}

TEST_F(TemplateFile, ComboListWithSeparatorStaysWhole) {
    Kv_DesignerControl c;
    c.type = kCtrlVariableCombo;
    c.setSplitExtComboList("C:\\lists\\a;b.txt");
    EXPECT_EQ(c.listText, "C:\\lists\\a;b.txt");
    EXPECT_EQ(c.getMergedExtComboList(), "C:\\lists\\a;b.txt");
}

TEST_F(TemplateFile, ReadingTwiceGivesTheSameIds) {
    Kv_PropertiesList list;
    list.setProperty("nrOfControls", 3);
    for (int i = 0; i < 3; ++i) list.setProperty(designerPropName("type", i), 2);
    writeList("twice.txt", list);

    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    ASSERT_TRUE(data.readFromFile(templatePath("twice.txt"), false));
    ASSERT_TRUE(data.readFromFile(templatePath("twice.txt"), false));
    ASSERT_EQ(data.getNrControls(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(data.getControl(i)->resId, 33000 + i);
}

TEST_F(TemplateFile, MissingValuesKeepDefaultsAndTypeBecomesZero) {
    Kv_PropertiesList list;
    list.setProperty("nrOfControls", 2);
    list.setProperty("contents0", Kv_String("only contents"));
    list.setProperty("type1", Kv_String("not a number"));  // wrong value type
    list.setProperty("topLeftX1", 0.5);
    writeList("partial.txt", list);

    Kv_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(templatePath("partial.txt"), false));
    ASSERT_EQ(data.getNrControls(), 2);
    EXPECT_EQ(data.getControl(0)->type, kCtrlLabel);
    EXPECT_EQ(data.getControl(0)->contents, "only contents");
    EXPECT_EQ(data.getControl(1)->type, kCtrlLabel);
    EXPECT_EQ(data.getControl(1)->topLeftX, 0.5);
}

struct BadCount {
    const char* name;
    const char* countLine;  // the nrOfControls line, or empty for none
    int expected;
};

class TemplateFileCount : public TemplateFile, public ::testing::WithParamInterface<BadCount> {};

TEST_P(TemplateFileCount, ReadsAsFarAsTheFileHoldsControls) {
    std::string text = "KvPropertiesList 1\n";
    text += GetParam().countLine;
    text += "int\ttype0\t2\nstring\tcontents0\tA\nint\ttype1\t3\nstring\tcontents1\tB\n";
    writeText("count.txt", text);
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    EXPECT_TRUE(data.readFromFile(templatePath("count.txt"), false));
    EXPECT_EQ(data.getNrControls(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(DamagedCounts, TemplateFileCount,
                         ::testing::Values(BadCount{"Missing", "", 0},
                                           BadCount{"NotANumber", "string\tnrOfControls\tmany\n", 0},
                                           BadCount{"Double", "double\tnrOfControls\t2.0\n", 0},
                                           BadCount{"Negative", "int\tnrOfControls\t-5\n", 0},
                                           BadCount{"Exact", "int\tnrOfControls\t2\n", 2},
                                           BadCount{"Smaller", "int\tnrOfControls\t1\n", 1},
                                           BadCount{"Huge", "int\tnrOfControls\t2147483647\n", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TemplateFile, AGapInTheNumberingMakesADefaultControlAndKeepsTheLaterOnes) {
    writeText("gap.txt",
              "KvPropertiesList 1\nint\tnrOfControls\t4\nint\ttype0\t2\nstring\tcontents0\tA\n"
              "int\ttype2\t2\nstring\tcontents2\tC\nint\ttype9\t2\n");
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    ASSERT_TRUE(data.readFromFile(templatePath("gap.txt"), false));
    ASSERT_EQ(data.getNrControls(), 3);  // index 9 lies beyond the count, index 3 is not in the file
    EXPECT_EQ(data.getControl(1)->type, kCtrlLabel);
    EXPECT_TRUE(data.getControl(1)->contents.isEmpty());
    EXPECT_EQ(data.getControl(2)->contents, "C");
    EXPECT_EQ(data.getControl(2)->resId, 33002);

    // Saved and read again, nothing is lost.
    ASSERT_TRUE(data.writeToFile(templatePath("gap.txt")));
    Kv_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(templatePath("gap.txt"), false));
    ASSERT_EQ(back.getNrControls(), 3);
    EXPECT_EQ(back.getControl(2)->contents, "C");
}

TEST_F(TemplateFile, ABrokenLineGivesNoControlsAndTheReadSaysSo) {
    writeText("broken.txt",
              "KvPropertiesList 1\nint\tnrOfControls\t3\nint\ttype0\t2\nstring\tcontents0\tA\n"
              "double\ttopLeftX1\tnot-a-number\nint\ttype1\t2\nint\ttype2\t2\n");
    Kv_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(templatePath("broken.txt"), false));
    EXPECT_EQ(data.getNrControls(), 0);
    EXPECT_EQ(data.getName(), "broken");
    EXPECT_NE(host::CommandLine::instance().text().find("broken.txt"), std::string::npos);
}

TEST_F(TemplateFile, AnIndexBeyondWhatATemplateHoldsIsDamage) {
    writeText("far.txt", "KvPropertiesList 1\nint\tnrOfControls\t2000000000\nint\ttype0\t2\nint\ttype5000\t2\n");
    Kv_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(templatePath("far.txt"), false));
    EXPECT_EQ(data.getNrControls(), 0);
}

TEST_F(TemplateFile, GarbageFileReadsAsEmptyTemplateAndFails) {
    writeText("garbage.txt", std::string("\x00\xFF\x10garbage\n\n", 12));
    Kv_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(templatePath("garbage.txt"), true));
    EXPECT_EQ(data.getNrControls(), 0);
    EXPECT_EQ(data.getName(), "garbage");
}

TEST_F(TemplateFile, WritingReplacesTheFileWhole) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    for (int i = 0; i < 5; ++i) data.append(makeControl(kCtrlVariableEdit, 0.1 * i, 0.1, 0.1 * i + 0.05, 0.2, "V"));
    ASSERT_TRUE(data.writeToFile(templatePath("whole.txt")));
    data.removeControl(4);
    data.removeControl(3);
    ASSERT_TRUE(data.writeToFile(templatePath("whole.txt")));
    Kv_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(templatePath("whole.txt"), false));
    EXPECT_EQ(back.getNrControls(), 3);
    // No temporary file is left beside the template.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(templateFolder())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST_F(TemplateFile, SavingUnderANewNameCopiesThePicture) {
    writePicture("old.bmp", 40, 20);
    Kv_DlgDesignerData data;
    writeText("old.txt", "KvPropertiesList 1\nint\tnrOfControls\t0\n");
    ASSERT_TRUE(data.readFromFile(templatePath("old.txt"), true));
    ASSERT_TRUE(data.writeToFile(templatePath("sub\\new.txt")));
    EXPECT_EQ(data.getName(), "sub\\new");
    EXPECT_EQ(readFile(hostPath("sub/new.bmp")), readFile(hostPath("old.bmp")));
}

TEST_F(TemplateFile, PictureGivesSizeAndWhiteIsTransparent) {
    writePicture("pic.bmp", 40, 20);
    writeText("pic.txt", "KvPropertiesList 1\nint\tnrOfControls\t0\n");
    Kv_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(templatePath("pic.txt"), true));
    EXPECT_EQ(data.factorToPixels(true, 1.0), 40.0);
    EXPECT_EQ(data.factorToPixels(false, 0.5), 10.0);
    auto mask = win::bitmapOf(data.getPictureMask());
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->at(0, 0) & 0xFFFFFFu, 0xFFFFFFu);    // white corner: transparent
    EXPECT_EQ(mask->at(20, 10) & 0xFFFFFFu, 0x000000u);  // grey middle: drawn

    // A file that is no picture drops the old one; a missing file keeps it.
    EXPECT_FALSE(data.attachBitmap(templatePath("missing.bmp")));
    EXPECT_EQ(data.factorToPixels(true, 1.0), 40.0);
    writeText("bad.bmp", "BM not really");
    EXPECT_FALSE(data.attachBitmap(templatePath("bad.bmp")));
    EXPECT_EQ(data.factorToPixels(true, 1.0), 0.0);
    EXPECT_EQ(data.getPicture(), nullptr);
}

TEST_F(TemplateFile, ModuleImagesListsSubfoldersSorted) {
    for (const char* file : {"zeta.txt", "sub\\name.txt", "Alpha.txt", "sub\\deeper\\x.txt", "picture.bmp"})
        writeText(file, "KvPropertiesList 1\n");
    Kv_StringArray names{"kept"};
    getModuleImages(names);
    EXPECT_EQ(names.join("|"), "Alpha|kept|sub\\deeper\\x|sub\\name|zeta");
}

TEST_F(TemplateFile, ControlNamesListOnlyVariableEditFields) {
    Kv_DlgDesignerData data;
    data.setDynamicIdRange(33000, 33099);
    data.append(makeControl(kCtrlVariableEdit, 0, 0, 0.1, 0.1, "W"));
    data.append(makeControl(kCtrlVariableCombo, 0, 0, 0.1, 0.1, "COMBO"));
    data.append(makeControl(kCtrlLabel, 0, 0, 0.1, 0.1, "Label"));
    data.append(makeControl(kCtrlVariableEdit, 0, 0, 0.1, 0.1, "H"));
    ASSERT_TRUE(data.writeToFile(templatePath("names.txt")));
    Kv_StringArray names{"old entry"};
    GetImageDlgCtrlNames(templatePath("names.txt"), names);
    EXPECT_EQ(names.join(","), "W,H");
    GetImageDlgCtrlNames(templatePath("none.txt"), names);
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(TemplateFile, CallableExportListsNamesByTemplateName) {
    setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
    int count = 0;
    const KvCallableExport* exports = kvCallableExports(&count);
    const KvCallableExport* found = nullptr;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(exports[i].name, "GetImageDlgCtrlNames") == 0) found = &exports[i];
    ASSERT_NE(found, nullptr);
    std::string outputs, error;
    ASSERT_TRUE(found->call(R"({"templateName": "Connections\\End Plate"})", outputs, error)) << error;
    EXPECT_EQ(nlohmann::json::parse(outputs), nlohmann::json::parse(R"({"result": null, "names": ["EP_T", "EP_H"]})"));
    EXPECT_FALSE(found->call(R"({"templateFile": 3})", outputs, error));
}

TEST_F(TemplateFile, BundledSamplesReadWithTheirPictures) {
    setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
    Kv_StringArray names;
    getModuleImages(names);
    EXPECT_EQ(names.join("|"), "Base Plate|Connections\\End Plate|Rafter|Stiffener");
    for (const Kv_String& name : names) {
        Kv_DlgDesignerData data;
        data.setDynamicIdRange(33000, 33099);
        ASSERT_TRUE(data.readFromFile(getDesignerRootFolder() + name + ".txt", true)) << name;
        EXPECT_GT(data.getNrControls(), 3) << name;
        EXPECT_GT(data.factorToPixels(true, 1.0), 0.0) << name;
    }
    Kv_StringArray fields;
    GetImageDlgCtrlNames(getDesignerRootFolder() + "Base Plate.txt", fields);
    EXPECT_EQ(fields.join(","), "PLATE_W,PLATE_H,PLATE_T");
}

}  // namespace
