// Section icons, display names and the section combo boxes, over a library and an
// installation folder of their own.
#include "kv_source_dir.h"
#include "sections/section_pickers.h"

#include <memory>

#include "core/section_select_dlg.h"
#include "sections_test_support.h"

namespace {

constexpr int kHostDialogId = 9303;
constexpr int kComboId = 600;
constexpr int kButtonId = 601;

class SectionPickersTest : public SectionsTest {
protected:
    void SetUp() override {
        SectionsTest::SetUp();
        writeBytes(library() / "prof" / "IPE.pr",
                   "1\r\nSysName\tI/O\tEnglish\tHeight\r\n"
                   "IPE80\t0\tIPE 80\t80\r\nIPE100\t1\tIPE 100\t100\r\nIPE120\t1\t\t120\r\n");
    }
    void TearDown() override {
        if (combo.m_hWnd) combo.Detach();
        if (host) host->DestroyWindow();
        host.reset();
        SectionsTest::TearDown();
    }
    void openHost() {
        win::DialogTemplate tmpl;
        tmpl.id = kHostDialogId;
        tmpl.caption = "Profile";
        tmpl.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        tmpl.cx = 300;
        tmpl.cy = 200;
        tmpl.controls.push_back(
            {kComboId, "COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 10, 10, 200, 150, ""});
        tmpl.controls.push_back({kButtonId, "BUTTON", WS_CHILD | WS_VISIBLE, 0, 220, 10, 40, 40, ""});
        host = std::make_unique<CDialog>();
        ASSERT_TRUE(host->CreateIndirect(tmpl));
        combo.Attach(::GetDlgItem(host->m_hWnd, kComboId));
    }
    win::WindowInfo comboState() { return win::describeWindow(combo.m_hWnd); }
    void writeIcon(const std::string& name) { writeBytes(install() / "icons" / name, "BM icon"); }

    std::unique_ptr<CDialog> host;
    CComboBox combo;
};

}  // namespace

TEST_F(SectionPickersTest, TypeTextsNameTheirIconOrTheUnknownOne) {
    EXPECT_EQ(sectionIconFile("3", "", false), "Unknown-small.bmp");
    writeIcon("ProfSectionHL-small.bmp");
    EXPECT_EQ(sectionIconFile("3", "", false), "ProfSectionHL-small.bmp");
    EXPECT_EQ(sectionIconFile("3", "", true), "Unknown-big.bmp");
    // 25 is no section type: its name would be "-big.bmp", which is not there.
    EXPECT_EQ(sectionIconFile("25", "", true), "Unknown-big.bmp");
    writeIcon("Crane rail-big.bmp");
    EXPECT_EQ(sectionIconFile("Crane rail.DWG", "", true), "Crane rail-big.bmp");
    EXPECT_EQ(sectionTypeIconBase(19), "ProfSectionSigma+");
    EXPECT_EQ(sectionTypeIconBase(0), "");
}

TEST_F(SectionPickersTest, AUserSectionIconIsRefreshedWhenItsPictureIsNewer) {
    const auto picture = library() / "User Sections" / "Beam.bmp";
    const auto icon = install() / "icons" / "Beam-automated.bmp";
    writeBytes(picture, "BM new picture");
    writeBytes(icon, "BM old icon");
    std::filesystem::last_write_time(icon, std::filesystem::last_write_time(picture) - std::chrono::hours(1));
    EXPECT_EQ(sectionIconFile("", "User Sections\\Beam.dwg", false), "Beam-automated.bmp");
    EXPECT_EQ(readBytes(icon), "BM new picture");

    // An icon newer than its picture stays as it is.
    writeBytes(icon, "BM edited icon");
    std::filesystem::last_write_time(icon, std::filesystem::last_write_time(picture) + std::chrono::hours(1));
    EXPECT_EQ(sectionIconFile("", "User Sections\\Beam.dwg", false), "Beam-automated.bmp");
    EXPECT_EQ(readBytes(icon), "BM edited icon");
    // Big icons are never made from pictures.
    EXPECT_EQ(sectionIconFile("", "User Sections\\Beam.dwg", true), "Unknown-big.bmp");
}

TEST_F(SectionPickersTest, AUserSectionWithoutPictureHasNoIcon) {
    Kv_String iconFile = "untouched";
    EXPECT_FALSE(userSectionIcon("Nothing", iconFile));
    EXPECT_EQ(iconFile, "untouched");
    EXPECT_EQ(sectionIconFile("", "User Sections\\Nothing.dwg", false), "Unknown-small.bmp");
    // A drawn icon of the user section wins over a made one.
    writeIcon("Drawn-small.bmp");
    writeBytes(library() / "User Sections" / "Drawn.bmp", "BM");
    EXPECT_EQ(sectionIconFile("", "User Sections\\Drawn.dwg", false), "Drawn-small.bmp");
    EXPECT_FALSE(std::filesystem::exists(install() / "icons" / "Drawn-automated.bmp"));
}

TEST_F(SectionPickersTest, DisplayNamesComeFromTheLanguageColumn) {
    EXPECT_EQ(sectionDisplayName("IPE-IPE100"), "IPE 100");
    EXPECT_EQ(sectionDisplayName("IPE-IPE120"), "IPE-IPE120");  // empty display cell
    EXPECT_EQ(sectionDisplayName("IPE-IPE999"), "IPE-IPE999");
    EXPECT_EQ(sectionDisplayName("HEA-HEA100"), "HEA-HEA100");  // no such table
}

TEST_F(SectionPickersTest, TableEntriesListTheActiveSizesAndTheNoneEntry) {
    Kv_StringArray shown;
    // A name without "-" names its table whole.
    EXPECT_EQ(sectionTableEntries("IPE", shown), (Kv_StringArray{"IPE-IPE100", "IPE-IPE120"}));
    EXPECT_EQ(shown, (Kv_StringArray{"IPE 100", "IPE-IPE120", dialString(695)}));
    EXPECT_TRUE(sectionTableEntries("HEA-HEA100", shown).isEmpty());
    EXPECT_EQ(shown, (Kv_StringArray{dialString(695)}));
}

TEST_F(SectionPickersTest, TheComboListsTheFamilyAndSelectsTheSection) {
    openHost();
    Kv_StringArray systemNames;
    fillSectionCombo(combo, systemNames, "IPE-IPE120");
    EXPECT_EQ(systemNames, (Kv_StringArray{"IPE-IPE100", "IPE-IPE120"}));
    EXPECT_EQ(comboState().items, (std::vector<std::string>{"IPE 100", "IPE-IPE120", dialString(695).str()}));
    EXPECT_EQ(comboState().selection, 1);
    Kv_String name;
    ASSERT_TRUE(selectedSystemName(combo, systemNames, name));
    EXPECT_EQ(name, "IPE-IPE120");

    // An inactive section is not listed, so nothing is selected.
    fillSectionCombo(combo, systemNames, "IPE-IPE80");
    EXPECT_EQ(comboState().selection, -1);
    EXPECT_FALSE(selectedSystemName(combo, systemNames, name));
    // The last entry is no section.
    script.choose(kHostDialogId, kComboId, dialString(695).str());
    script.runModeless();
    EXPECT_FALSE(selectedSystemName(combo, systemNames, name));
    EXPECT_EQ(name, "IPE-IPE120");
}

TEST_F(SectionPickersTest, AUserSectionFillsTheComboAlone) {
    openHost();
    Kv_StringArray systemNames;
    fillSectionCombo(combo, systemNames, "User Sections\\Crane rail.dwg");
    EXPECT_EQ(systemNames, (Kv_StringArray{"User Sections\\Crane rail.dwg"}));
    EXPECT_EQ(comboState().items, (std::vector<std::string>{"Crane rail", dialString(695).str()}));
    EXPECT_EQ(comboState().selection, 0);
}

TEST_F(SectionPickersTest, ChoosingASectionFillsTheCombo) {
    openHost();
    Kv_StringArray systemNames;
    fillSectionCombo(combo, systemNames, "IPE-IPE100");
    script
        .inspect([] {
            auto sizes =
                win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_CORE_SECTION_SELECT), IDC_SECTION_SIZES));
            EXPECT_EQ(sizes.selection, 0);  // the combo's section is where the dialog starts
        })
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "IPE120")
        .click(IDD_CORE_SECTION_SELECT, IDOK);
    ASSERT_TRUE(chooseSectionAndFill(combo, systemNames));
    EXPECT_EQ(comboState().selection, 1);
    Kv_String name;
    ASSERT_TRUE(selectedSystemName(combo, systemNames, name));
    EXPECT_EQ(name, "IPE-IPE120");
}

TEST_F(SectionPickersTest, AChosenUserSectionLosesTheLibraryFolder) {
    writeBytes(library() / "User Sections" / "Crane rail.dwg", "drawing");
    script.choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_FAMILIES, dialString(20013).str())
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "Crane rail")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        .click(IDD_CORE_SECTION_SELECT, IDCANCEL);
    Kv_String name = "IPE-IPE100";
    ASSERT_TRUE(chooseSection(name));
    EXPECT_EQ(name, "User Sections\\Crane rail.dwg");
    EXPECT_FALSE(chooseSection(name));
    EXPECT_EQ(name, "User Sections\\Crane rail.dwg");
}

TEST_F(SectionPickersTest, AButtonIconIsDrawnWithoutBorderAndLeftDisabled) {
    openHost();
    CButtonST button;
    setButtonIcon(host.get(), button, kButtonId, "ProfSectionI-small.bmp", false, true, true);
    ASSERT_EQ(button.m_hWnd, ::GetDlgItem(host->m_hWnd, kButtonId));
    EXPECT_FALSE(win::describeWindow(button.m_hWnd).enabled);
    EXPECT_FALSE(button.hasBorder());
    EXPECT_TRUE(button.drawsDisabledColoured());
    // The file is not in the working folder, so no picture (and no transparent colour) is set.
    EXPECT_FALSE(button.hasTransparentColour());

    std::filesystem::copy(std::filesystem::path(kvSourceDir()) / "install" / "icons" / "ProfSectionI-small.bmp",
                          install() / "icons" / "ProfSectionI-small.bmp");
    setButtonIcon(host.get(), button, kButtonId, "ProfSectionI-small.bmp", true, false, false);
    EXPECT_TRUE(button.hasTransparentColour());
    EXPECT_EQ(button.transparentColour(), RGB(0xC0, 0xC0, 0xC0));
}

TEST_F(SectionPickersTest, BlankLinesOfATableListNoNamelessSize) {
    writeBytes(library() / "prof" / "TB.pr",
               "1\r\nSysName\tI/O\tEnglish\r\n\r\nTB1\t1\tTB 1\r\n\r\nTB2\t1\tTB 2\r\n\r\n");
    openHost();
    Kv_StringArray systemNames;
    fillSectionCombo(combo, systemNames, "TB-TB2");
    EXPECT_EQ(systemNames, (Kv_StringArray{"TB-TB1", "TB-TB2"}));
    EXPECT_EQ(comboState().items, (std::vector<std::string>{"TB 1", "TB 2", dialString(695).str()}));
    EXPECT_EQ(comboState().selection, 1);
}
