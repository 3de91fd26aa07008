#include "image_builders.h"
#include "win/resource.h"
#include "win/styles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

// A folder with the pictures and headers a script refers to, removed after the test.
class ScriptFolder {
public:
    ScriptFolder()
        : dir_(std::filesystem::temp_directory_path() /
               ("winres_script_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++))) {
        std::filesystem::create_directories(dir_ / "icons");
        write("icons/check.bmp", winres_test::makeBmp(2, 1, 24, {}, {0xFF0000, 0x00FF00}));
        write("app.ico", winres_test::makeIco({{1, 1, 24, winres_test::makeIconDib(1, 1, {0xFF}, {false})}}));
        std::string ids = "#pragma once\n#define IDD_SHARED 300\n#define IDC_SHARED (IDD_SHARED + 1)\n";
        write("ids.h", std::vector<uint8_t>(ids.begin(), ids.end()));
    }
    ~ScriptFolder() { std::filesystem::remove_all(dir_); }

    void write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string path() const { return dir_.string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path dir_;
};

struct Parsed {
    bool ok = false;
    win::ResourceTable table;
    win::ScriptError err;
};

Parsed parse(const std::string& script, const ScriptFolder& folder) {
    Parsed p;
    p.ok = win::parseResourceScript(script, "test.rc", folder.path(), p.table, p.err);
    return p;
}

const win::ControlTemplate& control(const win::DialogTemplate& d, size_t index) {
    static const win::ControlTemplate none;
    return index < d.controls.size() ? d.controls[index] : none;
}

constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

TEST(ResourceScript, ParsesEveryConstruct) {
    ScriptFolder folder;
    const std::string script = R"(// every statement the format knows
#include "ids.h"
#define IDD_MAIN 100
#define IDC_FIRST 1000
#define IDC_SECOND (IDC_FIRST + 1)
/* a block
   comment */
8134 BITMAP "icons\check.bmp"
239  ICON   "app.ico"

IDD_MAIN DIALOG 10, 20, 300, 200
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
EXSTYLE WS_EX_TOOLWINDOW
CAPTION "Angle 90\xB0 and ""quotes"" \\ done"
FONT 12, "Arial", 700, 0, 1
BEGIN
    CONTROL "Tabs", 1010, "SysTabControl32", TCS_TABS | WS_TABSTOP, 1, 2, 3, 4, WS_EX_CLIENTEDGE
    CONTROL "", 1011, BUTTON, BS_AUTOCHECKBOX | BS_PUSHLIKE | 0x40, 5, 6, 7, 8
    PUSHBUTTON "Push", IDC_FIRST, 0, 0, 10, 10
    DEFPUSHBUTTON "OK", IDOK, 0, 0, 10, 10, NOT WS_TABSTOP
    LTEXT "Left", IDC_STATIC, 0, 0, 10, 10
    CTEXT "Centre", -1, 0, 0, 10, 10
    RTEXT "Right", IDC_SECOND, 0, 0, 10, 10, SS_NOTIFY
    EDITTEXT 1020, 0, 0, 10, 10, ES_MULTILINE | ES_READONLY, WS_EX_STATICEDGE
    COMBOBOX 1021, 0, 0, 10, 10, CBS_DROPDOWN
    LISTBOX 1022, 0, 0, 10, 10, LBS_MULTIPLESEL | NOT WS_BORDER
    GROUPBOX "Group", 1023, 0, 0, 10, 10
    CHECKBOX "Check", 1024, 0, 0, 10, 10
    AUTOCHECKBOX "Auto", 1025, 0, 0, 10, 10
    STATE3 "Three", 1026, 0, 0, 10, 10
    AUTO3STATE "Auto three", 1027, 0, 0, 10, 10
    RADIOBUTTON "Radio", 1028, 0, 0, 10, 10, WS_GROUP
    AUTORADIOBUTTON "Auto radio", 1029, 0, 0, 10, 10
    ICON 239, 1030, 40, 50
    ICON "", 1031, 40, 50, 32, 32, SS_CENTERIMAGE
    PUSHBUTTON "Hidden", 1032, 0, 0, 10, 10, NOT WS_VISIBLE
END

IDD_SHARED DIALOGEX 0, 0, 50, 40, 77
{
    EDITTEXT IDC_SHARED, 0, 0, 0x10, 10
}
)";
    Parsed p = parse(script, folder);
    ASSERT_TRUE(p.ok) << p.err.file << ":" << p.err.line << ": " << p.err.reason;
    ASSERT_EQ(p.table.dialogs.size(), 2u);
    ASSERT_EQ(p.table.bitmaps.count(8134), 1u);
    EXPECT_EQ(p.table.bitmaps.at(8134).size(), winres_test::makeBmp(2, 1, 24, {}, {0, 0}).size());
    ASSERT_EQ(p.table.icons.count(239), 1u);

    const win::DialogTemplate& d = p.table.dialogs.at(100);
    EXPECT_EQ(d.id, 100);
    EXPECT_EQ(d.caption, "Angle 90\xB0 and \"quotes\" \\ done");
    EXPECT_EQ(d.style, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT);
    EXPECT_EQ(d.exStyle, WS_EX_TOOLWINDOW);
    EXPECT_EQ(d.x, 10);
    EXPECT_EQ(d.y, 20);
    EXPECT_EQ(d.cx, 300);
    EXPECT_EQ(d.cy, 200);
    EXPECT_EQ(d.fontFace, "Arial");
    EXPECT_EQ(d.fontHeight, 12);
    ASSERT_EQ(d.controls.size(), 20u);

    const win::ControlTemplate& tabs = control(d, 0);
    EXPECT_EQ(tabs.className, "SysTabControl32");
    EXPECT_EQ(tabs.text, "Tabs");
    EXPECT_EQ(tabs.style, kChild | TCS_TABS | WS_TABSTOP);
    EXPECT_EQ(tabs.exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(std::vector<int>({tabs.x, tabs.y, tabs.cx, tabs.cy}), std::vector<int>({1, 2, 3, 4}));

    EXPECT_EQ(control(d, 1).className, "BUTTON");
    EXPECT_EQ(control(d, 1).style, kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON);

    EXPECT_EQ(control(d, 2).id, 1000);
    EXPECT_EQ(control(d, 2).style, kChild | BS_PUSHBUTTON | WS_TABSTOP);
    EXPECT_EQ(control(d, 3).id, 1);
    EXPECT_EQ(control(d, 3).style, kChild | BS_DEFPUSHBUTTON);
    EXPECT_EQ(control(d, 4).id, -1);
    EXPECT_EQ(control(d, 4).className, "STATIC");
    EXPECT_EQ(control(d, 4).style, kChild | SS_LEFT | WS_GROUP);
    EXPECT_EQ(control(d, 5).id, -1);
    EXPECT_EQ(control(d, 5).style, kChild | SS_CENTER | WS_GROUP);
    EXPECT_EQ(control(d, 6).id, 1001);
    EXPECT_EQ(control(d, 6).style, kChild | SS_RIGHT | WS_GROUP | SS_NOTIFY);

    const win::ControlTemplate& edit = control(d, 7);
    EXPECT_EQ(edit.className, "EDIT");
    EXPECT_EQ(edit.text, "");
    EXPECT_EQ(edit.style, kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_READONLY);
    EXPECT_EQ(edit.exStyle, WS_EX_STATICEDGE);
    EXPECT_EQ(control(d, 8).className, "COMBOBOX");
    EXPECT_EQ(control(d, 8).style, kChild | CBS_SIMPLE | WS_TABSTOP | CBS_DROPDOWN);
    EXPECT_EQ(control(d, 9).className, "LISTBOX");
    EXPECT_EQ(control(d, 9).style, kChild | LBS_NOTIFY | LBS_MULTIPLESEL);

    EXPECT_EQ(control(d, 10).style, kChild | BS_GROUPBOX);
    EXPECT_EQ(control(d, 11).style, kChild | BS_CHECKBOX | WS_TABSTOP);
    EXPECT_EQ(control(d, 12).style, kChild | BS_AUTOCHECKBOX | WS_TABSTOP);
    EXPECT_EQ(control(d, 13).style, kChild | BS_3STATE | WS_TABSTOP);
    EXPECT_EQ(control(d, 14).style, kChild | BS_AUTO3STATE | WS_TABSTOP);
    EXPECT_EQ(control(d, 15).style, kChild | BS_RADIOBUTTON | WS_GROUP);
    EXPECT_EQ(control(d, 16).style, kChild | BS_AUTORADIOBUTTON);

    const win::ControlTemplate& icon = control(d, 17);
    EXPECT_EQ(icon.className, "STATIC");
    EXPECT_EQ(icon.text, "#239");
    EXPECT_EQ(icon.style, kChild | SS_ICON);
    EXPECT_EQ(icon.x, 40);
    EXPECT_EQ(icon.cx, 0);
    EXPECT_EQ(control(d, 18).style, kChild | SS_ICON | SS_CENTERIMAGE);
    EXPECT_EQ(control(d, 18).cy, 32);
    EXPECT_EQ(control(d, 19).style, WS_CHILD | BS_PUSHBUTTON | WS_TABSTOP);

    const win::DialogTemplate& shared = p.table.dialogs.at(300);
    EXPECT_EQ(shared.style, WS_POPUP | WS_BORDER | WS_SYSMENU);
    EXPECT_EQ(shared.fontFace, "Tahoma");
    ASSERT_EQ(shared.controls.size(), 1u);
    EXPECT_EQ(shared.controls[0].id, 301);
    EXPECT_EQ(shared.controls[0].cx, 16);
    EXPECT_EQ(shared.controls[0].cy, 10);
}

TEST(ResourceScript, CaptionAloneAddsCaptionStyle) {
    ScriptFolder folder;
    Parsed p = parse("1 DIALOG 0, 0, 10, 10\nCAPTION \"T\"\nBEGIN\nEND\n", folder);
    ASSERT_TRUE(p.ok) << p.err.reason;
    EXPECT_EQ(p.table.dialogs.at(1).style, WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION);
}

struct BadScript {
    const char* name;
    const char* script;
    int line;
    const char* reason;
};

class ResourceScriptFault : public testing::TestWithParam<BadScript> {};

TEST_P(ResourceScriptFault, ReportsLineAndReason) {
    ScriptFolder folder;
    const BadScript& c = GetParam();
    Parsed p = parse(c.script, folder);
    ASSERT_FALSE(p.ok);
    EXPECT_EQ(p.err.file, "test.rc");
    EXPECT_EQ(p.err.line, c.line) << p.err.reason;
    EXPECT_NE(p.err.reason.find(c.reason), std::string::npos) << "reason: " << p.err.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ResourceScriptFault,
    testing::Values(
        BadScript{"UnterminatedString", "1 DIALOG 0,0,10,10\nCAPTION \"open\nBEGIN\nEND\n", 2, "unterminated string"},
        BadScript{"UnknownTopKeyword", "#define A 1\n\nSTRINGTABLE\nBEGIN\nEND\n", 3, "unknown keyword 'STRINGTABLE'"},
        BadScript{"UnknownResourceKind", "5 MENU \"x\"\n", 1, "unknown keyword 'MENU'"},
        BadScript{"UnknownControl", "1 DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"a\", 1, 0,0,1,1\n  SLIDER 2, 0,0,1,1\nEND\n",
                  4, "unknown keyword 'SLIDER'"},
        BadScript{"UnknownDialogOption", "1 DIALOG 0,0,10,10\nMENU 4\nBEGIN\nEND\n", 2, "unknown keyword 'MENU'"},
        BadScript{"MissingEnd", "1 DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"a\", 1, 0,0,1,1\n", 3, "missing END of dialog 1"},
        BadScript{"MissingBegin", "1 DIALOG 0,0,10,10\nLTEXT \"a\", 1, 0,0,1,1\n", 2, "unknown keyword 'LTEXT'"},
        BadScript{"BadNumber", "1 DIALOG 0,0,10,10\nBEGIN\n  LTEXT \"a\", 12x, 0,0,1,1\nEND\n", 3, "bad number '12x'"},
        BadScript{"BadHexNumber", "#define X 0xZZ\n", 1, "bad number '0xZZ'"},
        BadScript{"LeadingZero", "#define X 010\n", 1, "leading zero"},
        BadScript{"NumberTooLarge", "#define X 99999999999\n", 1, "out of range"},
        BadScript{"MissingBitmapFile", "\n8134 BITMAP \"icons\\missing.bmp\"\n", 2,
                  "cannot read file 'icons\\missing.bmp'"},
        BadScript{"BitmapNotAPicture", "8134 BITMAP \"ids.h\"\n", 1, "cannot decode image file 'ids.h'"},
        BadScript{"UndefinedSymbol", "1 DIALOG 0,0,10,10\nBEGIN\n PUSHBUTTON \"a\", IDC_NOPE, 0,0,1,1\nEND\n", 3,
                  "undefined symbol 'IDC_NOPE'"},
        BadScript{"MissingComma", "1 DIALOG 0,0,10,10\nBEGIN\n PUSHBUTTON \"a\" 2, 0,0,1,1\nEND\n", 3, "expected ','"},
        BadScript{"DuplicateDialog", "1 DIALOG 0,0,1,1\nBEGIN\nEND\n1 DIALOG 0,0,1,1\nBEGIN\nEND\n", 4,
                  "duplicate dialog id 1"},
        BadScript{"SymbolRedefined", "#define A 1\n#define A 2\n", 2, "redefined"},
        BadScript{"DefineWithoutValue", "#define GUARD\n1 DIALOG 0,0,1,1\nBEGIN\nEND\n", 1, "has no value"},
        BadScript{"UnknownDirective", "#ifndef X\n", 1, "unknown directive '#ifndef'"},
        BadScript{"UnknownEscape", "1 DIALOG 0,0,1,1\nCAPTION \"a\\q\"\nBEGIN\nEND\n", 2, "unknown escape"},
        BadScript{"ShortHexEscape", "1 DIALOG 0,0,1,1\nCAPTION \"a\\xZ1\"\nBEGIN\nEND\n", 2, "two hexadecimal digits"},
        BadScript{"UnterminatedComment", "1 DIALOG 0,0,1,1\n/* never closed\nBEGIN\n", 2, "unterminated comment"},
        BadScript{"NegativeSize", "1 DIALOG 0,0,-5,1\nBEGIN\nEND\n", 1, "negative size"},
        BadScript{"UnknownClass", "1 DIALOG 0,0,1,1\nBEGIN\n CONTROL \"\", 2, SLIDER, 0, 0,0,1,1\nEND\n", 3,
                  "unknown control class 'SLIDER'"},
        BadScript{"StrayCharacter", "1 DIALOG 0,0,1,1 ;\n", 1, "unexpected character ';'"},
        BadScript{"MissingInclude", "\n\n#include \"nope.h\"\n", 3, "cannot read file 'nope.h'"}),
    [](const testing::TestParamInfo<BadScript>& info) { return std::string(info.param.name); });

TEST(ResourceScript, FaultInIncludedFileNamesThatFile) {
    ScriptFolder folder;
    std::string header = "#define OK_ONE 1\n#define BROKEN 0x\n";
    folder.write("bad.h", std::vector<uint8_t>(header.begin(), header.end()));
    Parsed p = parse("// top\n#include \"bad.h\"\n", folder);
    ASSERT_FALSE(p.ok);
    EXPECT_EQ(p.err.file, folder.path() + "/bad.h");
    EXPECT_EQ(p.err.line, 2);
}

TEST(ResourceScript, SelfIncludeStopsWithAnError) {
    ScriptFolder folder;
    std::string loop = "#include \"loop.rc\"\n";
    folder.write("loop.rc", std::vector<uint8_t>(loop.begin(), loop.end()));
    Parsed p = parse(loop, folder);
    ASSERT_FALSE(p.ok);
    EXPECT_NE(p.err.reason.find("nested too deeply"), std::string::npos) << p.err.reason;
}

TEST(ResourceScript, DeeplyNestedExpressionIsRefusedNotOverflowed) {
    ScriptFolder folder;
    std::string script = "#define X " + std::string(5000, '(') + "1" + std::string(5000, ')') + "\n";
    Parsed p = parse(script, folder);
    ASSERT_FALSE(p.ok);
    EXPECT_EQ(p.err.line, 1);
    EXPECT_NE(p.err.reason.find("nested too deeply"), std::string::npos) << p.err.reason;
}
