// The section selection dialog as a person uses it, over a library folder of its own.
#include "kv_source_dir.h"
#include "core/section_select_dlg.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/kv_texts.h"
#include "temp_folder.h"
#include "win/testing.h"

namespace {

class SectionSelectTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        setenv("KV_LIB_DIR", library_.text().c_str(), 1);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        Kv_Texts::reload();
        write("prof/HEA.pr", "1\r\nSysName\tI/O\r\nHEA100\t1\r\nHEA120\t1\r\n");
        write("prof/IPE.pr", "1\r\nSysName\tI/O\r\nIPE80\t0\r\nIPE100\t1\r\nIPE120\r\n");
    }
    void TearDown() override {
        unsetenv("KV_LIB_DIR");
        WindowSystemTest::TearDown();
    }
    void write(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories((library_.path() / relative).parent_path());
        std::ofstream(library_.path() / relative, std::ios::binary) << bytes;
    }
    std::vector<std::string> itemsOf(int controlId) {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_CORE_SECTION_SELECT), controlId)).items;
    }

    TempFolder library_;
};

}  // namespace

TEST_F(SectionSelectTest, OpensOnTheGivenSectionAndGivesBackTheChosenSize) {
    win::testing::TestScript script;
    script
        .inspect([&] {
            EXPECT_EQ(itemsOf(IDC_SECTION_FAMILIES), (std::vector<std::string>{"HEA", "IPE"}));
            // The inactive size is not offered; a size without a flag is.
            EXPECT_EQ(itemsOf(IDC_SECTION_SIZES), (std::vector<std::string>{"IPE100", "IPE120"}));
            auto sizes =
                win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_CORE_SECTION_SELECT), IDC_SECTION_SIZES));
            EXPECT_EQ(sizes.selection, 0);
        })
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "IPE120")
        .click(IDD_CORE_SECTION_SELECT, IDOK);
    Kv_String name = "IPE-IPE100";
    ASSERT_TRUE(selectSectionDialog(name));
    EXPECT_EQ(name, "IPE-IPE120");
}

TEST_F(SectionSelectTest, AnotherFamilyShowsItsSizesAndCancelKeepsTheName) {
    win::testing::TestScript script;
    script.choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_FAMILIES, "HEA")
        .inspect([&] {
            EXPECT_EQ(itemsOf(IDC_SECTION_SIZES), (std::vector<std::string>{"HEA100", "HEA120"}));
        })
        .click(IDD_CORE_SECTION_SELECT, IDCANCEL);
    Kv_String name = "IPE-IPE100";
    EXPECT_FALSE(selectSectionDialog(name));
    EXPECT_EQ(name, "IPE-IPE100");
}

TEST_F(SectionSelectTest, OkWithoutASizeKeepsTheDialogOpen) {
    win::testing::TestScript script;
    script.click(IDD_CORE_SECTION_SELECT, IDOK)
        .inspect([] { EXPECT_NE(win::findOpenDialog(IDD_CORE_SECTION_SELECT), nullptr); })
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "HEA100")
        .key(IDD_CORE_SECTION_SELECT, VK_RETURN);
    Kv_String name = "unknown section";
    ASSERT_TRUE(selectSectionDialog(name));
    EXPECT_EQ(name, "HEA-HEA100");
}

TEST_F(SectionSelectTest, UserSectionsComeBackAsFullPaths) {
    write("User Sections/Crane rail.dwg", "drawing");
    win::testing::TestScript script;
    script
        .inspect([&] {
            EXPECT_EQ(itemsOf(IDC_SECTION_FAMILIES).back(), dialString(20013).str());
            EXPECT_EQ(itemsOf(IDC_SECTION_SIZES), (std::vector<std::string>{"Crane rail"}));
            auto sizes =
                win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_CORE_SECTION_SELECT), IDC_SECTION_SIZES));
            EXPECT_EQ(sizes.selection, 0);
        })
        .click(IDD_CORE_SECTION_SELECT, IDOK);
    Kv_String name = "User Sections\\Crane rail.dwg";
    ASSERT_TRUE(selectSectionDialog(name));
    EXPECT_EQ(name, Kv_String(library_.text()) + "User Sections\\Crane rail.dwg");
}
