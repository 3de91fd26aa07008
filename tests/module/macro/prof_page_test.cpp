// The profile page, as a person edits the profiles of a macro tab: the fixed block, its picks
// and choosers, the template's profile buttons, and the segmented profiles.
#include <algorithm>

#include "core/macro_profile_calls.h"
#include "core/section_select_dlg.h"
#include "host/pick_input.h"
#include "macro/dlg_macro_prof_page.h"
#include "macro/prof_options_ids.h"
#include "macro/prof_page_ids.h"
#include "macro/prof_segmented_ids.h"
#include "macro_test_support.h"

namespace {

// Rafter's controls (ids in file order from 33000): title, span, the Rafter group's section
// list, its section button, its options button and its offset type list.
constexpr int kSpan = 33001, kRafterSection = 33002, kRafterBrowse = 33003, kRafterOptions = 33004,
              kRafterOffset = 33005;
constexpr int kPage = IDD_MACRO_PROF_PAGE;

// How often the log holds the text.
int count(const std::string& log, const std::string& text) {
    int found = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++found;
    return found;
}

class ProfPageTest : public MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        host::DrawingDatabase& drawing = host::DrawingDatabase::instance();
        rafter_ = drawing.addObject("Profile");
        purlin1_ = drawing.addObject("Profile");
        purlin2_ = drawing.addObject("Profile");
        frame_ = addMacroInstance(profileMacro(), "Frame");
        drawing.clearLog();
    }

    static MacroProfData profile(const char* group, AcDbObjectId id, const char* section, const char* rotation) {
        MacroProfData prof;
        prof.group = group;
        prof.id = id;
        prof.profile = section;
        prof.rotation = rotation;
        return prof;
    }

    // One profile tab: a rafter (its group has an options button on the template) and two
    // purlins (no button: the fixed block is shown), a segmented eaves purlin.
    MacroData profileMacro() const {
        MacroData macro;
        macro.caption = "Portal frame";
        if (!frame_.isNull()) macro.ids.append(frame_);
        macro.moduleNames = {"Frame"};
        MacroTabData tab;
        tab.kind = 2;
        tab.moduleName = "Frame";
        tab.title = "Profiles";
        tab.templateFile = getDesignerRootFolder() + "Rafter.txt";
        tab.cells = {cell("SPAN", "12000"), cell("PITCH", "5")};
        tab.profiles = {profile("Rafter", rafter_, "IPE-IPE300", "0\xB0"),
                        profile("Purlins", purlin1_, "IPE-IPE120", "90\xB0"),
                        profile("Purlins", purlin2_, "IPE-IPE120", "45")};
        tab.profiles[1].offsetType = tab.profiles[2].offsetType = 1;
        MacroProfSegmentedData eaves;
        eaves.name = "Eaves";
        eaves.group = "Purlins";
        eaves.gap = 10;
        eaves.points = {"0,0", "6000,0"};
        tab.segmentedProfiles.append(eaves);
        macro.tabs = {tab};
        return macro;
    }

    static win::WindowInfo page(int id) {
        return win::describeWindow(win::findControl(win::findOpenDialog(kPage), id));
    }
    static bool ownerVisible() { return win::describeWindow(win::findOpenDialog(IDD_MACRO)).visible; }

    AcDbObjectId rafter_, purlin1_, purlin2_, frame_;
};

}  // namespace

TEST_F(ProfPageTest, TheFixedBlockShowsTheGroupsMergedPropertiesAndChoosingOnlyShows) {
    MacroData macro = profileMacro();
    script
        .inspect([this] {
            EXPECT_EQ(page(IDC_PROF_GROUP_LABEL).text, dialString(1002).str());
            EXPECT_EQ(page(IDC_PROF_GROUP).items, (std::vector<std::string>{"Rafter", "Purlins"}));
            EXPECT_EQ(page(IDC_PROF_GROUP).selection, 0);
            EXPECT_EQ(page(IDC_PROF_PROFILE).items,
                      (std::vector<std::string>{dialString(1010).str(), std::to_string(rafter_.asOldId())}));
            EXPECT_EQ(page(IDC_PROF_SECTION).text, "IPE 300");
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "0\xB0");
            EXPECT_EQ(page(IDC_PROF_OFFSET).selection, 0);
            EXPECT_EQ(page(IDC_PROF_PLANE).selection, 1);  // no plane: the macro's own
            EXPECT_EQ(page(IDC_PROF_PLANE).items.size(), 4u);
            EXPECT_TRUE(page(IDC_PROF_SEGMENTED).visible);
            // The template's own profile controls and the unplaced variable.
            EXPECT_EQ(page(kSpan).text, "12000");
            EXPECT_EQ(page(kRafterOptions).text, dialString(968).str());
        })
        .choose(kPage, IDC_PROF_GROUP, "Purlins")
        .inspect([this] {
            EXPECT_EQ(page(IDC_PROF_PROFILE).items.size(), 3u);
            EXPECT_EQ(page(IDC_PROF_PROFILE).selection, 0);
            EXPECT_EQ(page(IDC_PROF_SECTION).text, "IPE 120");
            EXPECT_EQ(page(IDC_PROF_OFFSET).selection, 1);
            // The purlins' rotations differ: the mixed entry.
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, dialString(695).str());
        })
        .choose(kPage, IDC_PROF_PROFILE, 2)
        .inspect([this] {
            // An angle that is no entry is shown as typed.
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "45");
            EXPECT_EQ(page(IDC_PROF_ROTATION).selection, -1);
            EXPECT_EQ(log(), "");  // choosing only shows
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

TEST_F(ProfPageTest, SectionOffsetAndRotationEachApplyOnceForTheGroupOrTheOneProfile) {
    MacroData macro = profileMacro();
    const std::string rafter = std::to_string(frame_.asOldId());
    script.choose(kPage, IDC_PROF_SECTION, "IPE 330")
        .inspect([&] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "set #" + rafter + " profile.Rafter.1.profile = \"IPE-IPE330\""), 1) << log();
        })
        .choose(kPage, IDC_PROF_OFFSET, 2)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 2);
            EXPECT_EQ(count(log(), "profile.Rafter.1.offsetType = \"2\""), 1) << log();
        })
        .choose(kPage, IDC_PROF_ROTATION, "90\xB0")
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 3);
            EXPECT_EQ(count(log(), "profile.Rafter.1.rotation = \"90\xB0\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "90\xB0");
        })
        // One purlin: an angle typed and Enter.
        .choose(kPage, IDC_PROF_GROUP, "Purlins")
        .choose(kPage, IDC_PROF_PROFILE, 1)
        .click(kPage, IDC_PROF_ROTATION)
        .key(kPage, VK_END)
        .key(kPage, VK_BACK)
        .key(kPage, VK_BACK)
        .key(kPage, VK_BACK)
        .type(kPage, "30")
        .key(kPage, VK_RETURN)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 4);
            EXPECT_EQ(count(log(), "profile.Purlins.1.rotation = \"30\""), 1) << log();
            EXPECT_EQ(count(log(), "profile.Purlins.2.rotation"), 0) << log();
            // The page was filled again and still shows the same profile.
            EXPECT_EQ(page(IDC_PROF_PROFILE).selection, 1);
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "30");
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    const MacroTabData& tab = macro.tabs[0];
    EXPECT_EQ(tab.profiles[0].profile, "IPE-IPE330");
    EXPECT_EQ(tab.profiles[0].offsetType, 2);
    EXPECT_EQ(tab.profiles[1].rotation, "30");
    EXPECT_EQ(tab.profiles[2].rotation, "45");
}

// The base plane: the owner dialog hides while the person picks and comes back; a cancelled
// pick changes nothing; a coordinate system stores the marker, a picked plane its name.
TEST_F(ProfPageTest, BasePlanePicksHideTheDialogAndACancelledPickChangesNothing) {
    MacroData macro = profileMacro();
    AcDbObjectId system;
    ASSERT_TRUE(createCoordSys(system));
    host::DrawingDatabase::instance().clearLog();
    bool hiddenDuringPick = false;
    script.choose(kPage, IDC_PROF_PLANE, 0);
    script.inspect([&] { hiddenDuringPick = !ownerVisible(); });
    host::cancelPick(script);
    script
        .inspect([] {
            EXPECT_TRUE(ownerVisible());
            EXPECT_EQ(page(IDC_PROF_PLANE).selection, 1);
            EXPECT_EQ(count(log(), "UpdateModule"), 0) << log();
        })
        .choose(kPage, IDC_PROF_PLANE, 2);
    host::answerPick(script, {static_cast<double>(system.asOldId())});
    script
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "profile.Rafter.1.plane = \"" + coordSysPlaneMarker().str() + "\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_PLANE).selection, 0);
        })
        .choose(kPage, IDC_PROF_PLANE, 0)
        .click(kPage, IDC_PROF_PICK_PLANE);
    host::answerPick(script, {0, 0, 3000, 0, 0, 1});
    script
        .inspect([] { EXPECT_EQ(count(log(), "UpdateModule"), 2) << log(); })
        // The macro's own plane clears the stored one.
        .choose(kPage, IDC_PROF_PLANE, 1)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 3);
            EXPECT_EQ(count(log(), "profile.Rafter.1.plane = \"\\e\""), 1) << log();  // empty
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_TRUE(hiddenDuringPick);
    EXPECT_TRUE(macro.tabs[0].profiles[0].plane.isEmpty());
    EXPECT_TRUE(macro.tabs[0].profiles[0].planeId.isNull());
}

// The section chooser of the fixed block and of the template's group button: a chosen section
// is stored for the group and applied, a cancelled one changes nothing.
TEST_F(ProfPageTest, TheSectionChoosersStoreForTheGroupOrChangeNothing) {
    MacroData macro = profileMacro();
    script.click(kPage, IDC_PROF_SECTION_BUTTON)
        .click(IDD_CORE_SECTION_SELECT, IDCANCEL)
        .inspect([] { EXPECT_EQ(log(), ""); })
        .click(kPage, kRafterBrowse)
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "IPE360")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "profile.Rafter.1.profile = \"IPE-IPE360\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_SECTION).text, "IPE 360");
            EXPECT_EQ(page(kRafterSection).text, "IPE 360");
        })
        .choose(kPage, IDC_PROF_GROUP, "Purlins")
        .click(kPage, IDC_PROF_SECTION_BUTTON)
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "IPE140")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 2);
            EXPECT_EQ(count(log(), "profile.Purlins.1.profile = \"IPE-IPE140\""), 1) << log();
            EXPECT_EQ(count(log(), "profile.Purlins.2.profile = \"IPE-IPE140\""), 1) << log();
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// The segmented profiles: OK stores the edited list and applies it; Cancel leaves the tab.
TEST_F(ProfPageTest, TheSegmentedDialogAppliesOnOkAndCancelLeavesTheTab) {
    MacroData macro = profileMacro();
    script.click(kPage, IDC_PROF_SEGMENTED)
        .click(IDD_MACRO_PROF_SEGMENTED, IDC_SEGMENTED_BREAK)
        .click(IDD_MACRO_PROF_SEGMENTED, IDCANCEL)
        .inspect([] { EXPECT_EQ(log(), ""); })
        .click(kPage, IDC_PROF_SEGMENTED)
        .click(IDD_MACRO_PROF_SEGMENTED, IDC_SEGMENTED_BREAK)
        .click(IDD_MACRO_PROF_SEGMENTED, IDOK)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "segmented.Eaves.breakAtPoints = \"1\""), 1) << log();
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_TRUE(macro.tabs[0].segmentedProfiles[0].breakAtPoints);
}

// Every group with its options button on the template: no fixed block, only the segmented
// button's short row; without segmented profiles not even that.  The fixed rows below the sheet
// are 162 high with the block, 20 with the button alone, else 0.
TEST_F(ProfPageTest, TheFixedBlockIsHiddenWhenEveryGroupHasItsButton) {
    // The space between the sheet's bottom and the page's, less the sheet's margin of 4.
    auto fixedRows = [] {
        const win::WindowInfo sheet = page(IDC_PAGE_SHEET);
        const win::WindowInfo whole = win::describeWindow(win::findOpenDialog(kPage));
        return static_cast<int>(whole.clientRectScreen.bottom - sheet.windowRect.bottom) - 4;
    };
    MacroData macro = profileMacro();
    script.inspect([&] { EXPECT_EQ(fixedRows(), 162); }).click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    MacroTabData& tab = macro.tabs[0];
    tab.profiles.removeAt(2);
    tab.profiles.removeAt(1);
    script
        .inspect([&] {
            EXPECT_FALSE(page(IDC_PROF_GROUP).visible);
            EXPECT_FALSE(page(IDC_PROF_OPTIONS).visible);
            EXPECT_TRUE(page(IDC_PROF_SEGMENTED).visible);
            EXPECT_TRUE(page(kRafterOptions).visible);
            EXPECT_EQ(fixedRows(), 20);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    tab.segmentedProfiles.removeAll();
    script
        .inspect([&] {
            EXPECT_FALSE(page(IDC_PROF_SEGMENTED).visible);
            EXPECT_EQ(fixedRows(), 0);
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// Records the page cannot fully show: a template control of a group the tab lacks, a section
// of no family, a rotation that is no angle, a tab without profiles.  Shown as far as they go,
// and the page keeps working.
TEST_F(ProfPageTest, BadRecordsAreShownAsFarAsTheyGoWithoutHarm) {
    MacroData macro = profileMacro();
    MacroTabData& tab = macro.tabs[0];
    tab.profiles[0].group = "Beam";  // the template's Rafter controls name no group now
    tab.profiles[0].profile = "NOSUCH-SIZE";
    tab.profiles[0].rotation = "steep";
    MacroTabData empty = tab;
    empty.title = "Empty";
    empty.profiles.removeAll();
    empty.segmentedProfiles.removeAll();
    macro.tabs.append(empty);
    script
        .inspect([] {
            EXPECT_EQ(win::findControl(win::findOpenDialog(kPage), kRafterSection), nullptr);
            EXPECT_EQ(page(IDC_PROF_GROUP).items, (std::vector<std::string>{"Beam", "Purlins"}));
            EXPECT_EQ(page(IDC_PROF_SECTION).items, (std::vector<std::string>{dialString(695).str()}));
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "steep");
        })
        // The rest still works: the offset applies and the odd values stay as they were.
        .choose(kPage, IDC_PROF_OFFSET, 3)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "profile.Beam.1.offsetType = \"3\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "steep");
        })
        .chooseTab(IDD_MACRO, IDC_MACRO_TABS, 1)
        .inspect([] {
            EXPECT_TRUE(page(IDC_PROF_GROUP).items.empty());
            EXPECT_TRUE(page(IDC_PROF_SECTION).items.empty());
        })
        .click(kPage, IDC_PROF_SECTION_BUTTON)
        .click(kPage, IDC_PROF_PICK_PLANE)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].profiles[0].profile, "NOSUCH-SIZE");
    EXPECT_EQ(macro.tabs[0].profiles[0].rotation, "steep");
}

// The options of a group from the template's options button or the fixed block's: every change
// reaches the drawing at once and the page shows it after the dialog.
TEST_F(ProfPageTest, TheOptionsOfAGroupApplyEachChangeAndThePageShowsThem) {
    MacroData macro = profileMacro();
    script.click(kPage, kRafterOptions)
        .click(IDD_MACRO_PROF_OPTIONS, IDC_PO_ROTATION_90)
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "profile.Rafter.1.rotation = \"90\xB0\""), 1) << log();
        })
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .inspect([] {
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "90\xB0");
            EXPECT_EQ(count(log(), "profile.Purlins"), 0) << log();
        })
        .choose(kPage, IDC_PROF_GROUP, "Purlins")
        .click(kPage, IDC_PROF_OPTIONS)
        .inspect([] {
            EXPECT_EQ(win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_MACRO_PROF_OPTIONS), IDC_PO_GROUP)).text,
                      "Purlins");
        })
        .click(IDD_MACRO_PROF_OPTIONS, IDC_PO_ROTATION_180)
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .inspect([] {
            EXPECT_EQ(count(log(), "profile.Purlins.1.rotation = \"180\xB0\""), 1) << log();
            EXPECT_EQ(count(log(), "profile.Purlins.2.rotation = \"180\xB0\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_ROTATION).text, "180\xB0");
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].profiles[0].rotation, "90\xB0");
    EXPECT_EQ(macro.tabs[0].profiles[2].rotation, "180\xB0");
}

// Asked to, the dialog opens the options of its start tab's profile page at once with the
// caller's hint, which is used once; the caller's single temporary object is erased after it.
TEST_F(ProfPageTest, StartUpOptionsTakeTheHintOnceAndEraseTheTemporaryObject) {
    MacroData macro = profileMacro();
    const AcDbObjectId temporary = host::DrawingDatabase::instance().addObject("Profile");
    host::DrawingDatabase::instance().clearLog();
    macro.tempIds.append(temporary);
    macro.tempObjects = true;
    macro.startTab = "Profiles";
    macro.openProfileOptions = true;
    macro.openProfileHint = "zoom";
    script.inspect([] { EXPECT_EQ(count(log(), "zoom"), 1) << log(); })
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .inspect([&] {
            EXPECT_EQ(count(log(), "erase #" + std::to_string(temporary.asOldId())), 1) << log();
            EXPECT_TRUE(win::describeWindow(win::findOpenDialog(IDD_MACRO)).visible);
        })
        // Once erased, the page has no temporary object any more.
        .click(kPage, kRafterOptions)
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .inspect([] {
            EXPECT_EQ(count(log(), "zoom"), 1) << log();
            EXPECT_EQ(count(log(), "erase"), 1) << log();
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_TRUE(macro.openProfileHint.isEmpty());
}

// Two temporary objects: none of them is the profile's, nothing is erased.
TEST_F(ProfPageTest, WithTwoTemporaryObjectsNothingIsErased) {
    MacroData macro = profileMacro();
    macro.tempIds.append(host::DrawingDatabase::instance().addObject("Profile"));
    macro.tempIds.append(host::DrawingDatabase::instance().addObject("Profile"));
    macro.tempObjects = true;
    host::DrawingDatabase::instance().clearLog();
    script.click(kPage, kRafterOptions)
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .inspect([] { EXPECT_EQ(count(log(), "erase"), 0) << log(); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// A section chosen in the template's own section list is stored for the group.
TEST_F(ProfPageTest, TheTemplatesSectionListAppliesForTheGroup) {
    MacroData macro = profileMacro();
    script.choose(kPage, kRafterSection, "IPE 400")
        .inspect([] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            EXPECT_EQ(count(log(), "profile.Rafter.1.profile = \"IPE-IPE400\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_SECTION).text, "IPE 400");
        })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

TEST_F(ProfPageTest, TheTemplatesOffsetTypeListShowsAndAppliesForTheGroup) {
    MacroData macro = profileMacro();
    const Kv_StringArray offsetTypes = getOffsetTypeStrings(false);
    script.inspect([] { EXPECT_EQ(page(kRafterOffset).text, page(IDC_PROF_OFFSET).text); })
        .choose(kPage, kRafterOffset, 4)
        .inspect([&] {
            EXPECT_EQ(count(log(), "UpdateModule"), 1);
            const std::string stored = std::to_string(getProfOffsetType(4));
            EXPECT_EQ(count(log(), "profile.Rafter.1.offsetType = \"" + stored + "\""), 1) << log();
            EXPECT_EQ(page(IDC_PROF_OFFSET).text, offsetTypes[4].str());
        })
        .choose(kPage, IDC_PROF_OFFSET, 2)
        .inspect([&] { EXPECT_EQ(page(kRafterOffset).text, offsetTypes[2].str()); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}

// The fixed block is the page's third focus ring: Tab runs through it in its order and past its
// end to the next ring that takes the focus; Shift+Tab goes back.
TEST_F(ProfPageTest, TabRunsThroughTheFixedBlockAndOnToTheTemplate) {
    MacroData macro = profileMacro();
    script.click(kPage, IDC_PROF_OPTIONS)
        .click(IDD_MACRO_PROF_OPTIONS, IDOK)
        .key(kPage, VK_TAB)
        .inspect([] { EXPECT_TRUE(page(IDC_PROF_PROFILE).focused); })
        .key(kPage, VK_TAB, win::input::Shift)
        .inspect([] { EXPECT_TRUE(page(IDC_PROF_OPTIONS).focused); })
        // Back from the template's first control: the fixed block's last one.
        .click(kPage, kSpan)
        .key(kPage, VK_TAB, win::input::Shift)
        .inspect([] { EXPECT_TRUE(page(IDC_PROF_SEGMENTED).focused); })
        // Rafter's controls have no tab order: Tab passes their ring over, to the sheet.
        .key(kPage, VK_TAB)
        .inspect([] { EXPECT_TRUE(page(IDC_PAGE_SHEET).focused); })
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
}
