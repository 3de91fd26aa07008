// The bolt options as a person uses them: opened by the template page's bolt button, every
// change applied through the page, the slot check refusing an active slot without a radius or
// a length.
#include <fstream>

#include "core/kv_texts.h"
#include "macro/bolt_options_ids.h"
#include "macro/dlg_macro_bolt_options.h"
#include "macro_test_support.h"

namespace {

constexpr int kDlg = IDD_MACRO_BOLT_OPTIONS;

class BoltOptionsTest : public MacroDialogTest {
protected:
    // The plate tab's bolt: slot 1 active and sound, slot 2 inactive and empty; flags of every
    // kind; six hole columns (two bands of the sheet).
    MacroData boltMacro() const {
        MacroData macro = sampleMacro();
        MacroBoltData& bolt = macro.tabs[0].bolt;
        bolt.penetrationLength = "30";
        bolt.shopBolted = -1;
        bolt.countersunk = 2;
        bolt.reverseOrientation = 1;
        bolt.tapped = 0;
        bolt.washer1 = -1;
        bolt.nut1 = 1;
        MacroBoltSlot slot;
        slot.active = 1;
        slot.radius = "11";
        slot.length = "30";
        bolt.slots.append(slot);
        bolt.slots.append(MacroBoltSlot());
        for (int i = 0; i < 6; ++i) {
            bolt.holeColumnFlags.append(i % 2);
            bolt.holeColumnNames.append(Kv_String("C") + Kv_String(i + 1));
        }
        return macro;
    }
    static win::WindowInfo boltControl(int id) {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(kDlg), id));
    }
    void openFromPage() { script.click(IDD_MACRO_TAB_PAGE, IDC_PAGE_BOLT_OPTIONS); }
    // Replaces the text of an edit of the dialog as a person does: click, select all, type.
    void retype(int id, const std::string& text) {
        script.click(kDlg, id).key(kDlg, VK_HOME).key(kDlg, VK_END, win::input::Shift).type(kDlg, text);
    }
    static bool updated() { return log().find("UpdateModule") != std::string::npos; }
};

}  // namespace

TEST_F(BoltOptionsTest, OpensOnTheTabsBoltWithItsTextsPictureSlotsAndFlags) {
    MacroData macro = boltMacro();
    macro.tabs[0].bolt.composition = "X-99";
    openFromPage();
    script
        .inspect([] {
            EXPECT_EQ(win::describeWindow(win::findOpenDialog(kDlg)).text, dialString(983).str());
            EXPECT_EQ(boltControl(IDC_BOLT_NUT1_LABEL).text, dialString(991).str());
            EXPECT_EQ(boltControl(IDOK).text, dialString(285).str());
            const win::WindowInfo compositions = boltControl(IDC_BOLT_COMPOSITION);
            ASSERT_FALSE(compositions.items.empty());
            EXPECT_EQ(compositions.items.back(), "X-99");
            EXPECT_EQ(compositions.selection, static_cast<int>(compositions.items.size()) - 1);
            EXPECT_EQ(boltControl(IDC_BOLT_DIAMETER).text, "20");
            EXPECT_EQ(boltControl(IDC_BOLT_PENETRATION).text, "30");
            EXPECT_NE(boltControl(IDC_BOLT_PICTURE).bitmap, nullptr);
            EXPECT_FALSE(boltControl(IDC_BOLT_FIXED_COUNT).enabled);  // no count
            EXPECT_EQ(boltControl(IDC_BOLT_SHOP_BOLTED).check, BST_INDETERMINATE);
            EXPECT_EQ(boltControl(IDC_BOLT_COUNTERSUNK).check, BST_INDETERMINATE);  // 2 is mixed too
            EXPECT_EQ(boltControl(IDC_BOLT_REVERSE).check, BST_CHECKED);
            EXPECT_EQ(boltControl(IDC_BOLT_TAPPED).check, BST_UNCHECKED);
            EXPECT_EQ(boltControl(IDC_BOLT_WASHER1).check, BST_UNCHECKED);
            EXPECT_EQ(boltControl(IDC_BOLT_NUT1).check, BST_CHECKED);
            const win::WindowInfo slots = boltControl(IDC_BOLT_SLOTS);
            EXPECT_EQ(slots.items, (std::vector<std::string>{"Slot nr: 1", "Slot nr: 2"}));
            EXPECT_EQ(slots.checkMarks, (std::vector<int>{1, 0}));
            EXPECT_EQ(slots.selection, 0);
            EXPECT_EQ(boltControl(IDC_BOLT_SLOT_RADIUS).text, "11");
            EXPECT_TRUE(boltControl(IDC_BOLT_SLOT_RADIUS).enabled);
            EXPECT_TRUE(log().empty()) << log();  // opening applies nothing
        })
        // The second slot: inactive, its controls closed.
        .choose(kDlg, IDC_BOLT_SLOTS, 1)
        .inspect([] {
            EXPECT_EQ(boltControl(IDC_BOLT_SLOT_ACTIVE).check, BST_UNCHECKED);
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOT_RADIUS).enabled);
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOT_KIND_LABEL).enabled);
        })
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    const MacroBoltData& bolt = macro.tabs[0].bolt;
    // Untouched three-state flags come back undetermined (2); the mixed part flag keeps -1.
    EXPECT_EQ(bolt.shopBolted, 2);
    EXPECT_EQ(bolt.countersunk, 2);
    EXPECT_EQ(bolt.reverseOrientation, 1);
    EXPECT_EQ(bolt.washer1, -1);
    EXPECT_EQ(bolt.composition, Kv_String("X-99"));
    EXPECT_EQ(bolt.holeColumnNames.length(), 6);
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(BoltOptionsTest, AnActiveSlotWithoutRadiusBlocksOkUntilCorrectedAnInactiveEmptyOneDoesNot) {
    MacroData macro = boltMacro();
    macro.tabs[0].bolt.slots[0].active = 0;  // slot 1 inactive, slot 2 active without radius
    macro.tabs[0].bolt.slots[1].active = 1;
    macro.tabs[0].bolt.slots[1].radius = "0";
    macro.tabs[0].bolt.slots[1].length = "25";
    openFromPage();
    script.click(kDlg, IDOK)
        .inspect([] {
            ASSERT_EQ(win::messageBoxHistory().size(), 1u);
            const win::MessageBoxRecord& box = win::messageBoxHistory()[0];
            EXPECT_EQ(box.caption, "Ongeldige waarde");
            EXPECT_EQ(box.text, "Slotted hole 2 needs a radius and a length above 0\n\nPlease correct the value.");
            EXPECT_EQ(box.icon, "warning");
        })
        .answerMessageBox(IDOK)
        .inspect([] {
            EXPECT_NE(win::findOpenDialog(kDlg), nullptr);  // still open
            EXPECT_FALSE(updated()) << log();
        })
        .choose(kDlg, IDC_BOLT_SLOTS, 1);
    retype(IDC_BOLT_SLOT_RADIUS, "12");
    script.click(kDlg, IDOK).click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(macro.tabs[0].bolt.slots[1].radius, Kv_String("12"));
    EXPECT_NE(log().find("UpdateModule"), std::string::npos) << log();
}

TEST_F(BoltOptionsTest, TickingASlotInTheListOrActivatingItKeepsListAndBoxInStep) {
    MacroData macro = boltMacro();
    openFromPage();
    // Ticking the empty second slot activates it, and the check refuses it at once.
    script.toggleCheck(kDlg, IDC_BOLT_SLOTS, 1)
        .inspect([] { ASSERT_EQ(win::messageBoxHistory().size(), 1u); })
        .answerMessageBox(IDOK)
        .inspect([] {
            EXPECT_EQ(boltControl(IDC_BOLT_SLOTS).checkMarks, (std::vector<int>{1, 1}));
            EXPECT_EQ(boltControl(IDC_BOLT_SLOTS).selection, 0);
        })
        .choose(kDlg, IDC_BOLT_SLOTS, 1)
        .inspect([] {
            EXPECT_EQ(boltControl(IDC_BOLT_SLOT_ACTIVE).check, BST_CHECKED);
            EXPECT_TRUE(boltControl(IDC_BOLT_SLOT_LENGTH).enabled);
        })
        // Switching it off again in 1120 clears its mark; then everything is valid.
        .click(kDlg, IDC_BOLT_SLOT_ACTIVE)
        .inspect([] {
            EXPECT_EQ(boltControl(IDC_BOLT_SLOTS).checkMarks, (std::vector<int>{1, 0}));
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOT_LENGTH).enabled);
            EXPECT_EQ(win::messageBoxHistory().size(), 1u);
        })
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].bolt.slots[1].active, 0);
}

TEST_F(BoltOptionsTest, EveryChangeAppliesAtOnceAndEnterKeepsTheDialogOpen) {
    MacroData macro = boltMacro();
    openFromPage();
    retype(IDC_BOLT_PENETRATION, "45");
    script.key(kDlg, VK_RETURN)
        .inspect([] {
            EXPECT_NE(win::findOpenDialog(kDlg), nullptr);
            EXPECT_TRUE(updated()) << log();
            EXPECT_NE(log().find("\"45\""), std::string::npos) << log();
            host::DrawingDatabase::instance().clearLog();
        })
        // A flag clicked once becomes two-state and is applied.
        .click(kDlg, IDC_BOLT_SHOP_BOLTED)
        .inspect([] {
            EXPECT_TRUE(updated()) << log();
            EXPECT_EQ(boltControl(IDC_BOLT_SHOP_BOLTED).check, BST_UNCHECKED);
            host::DrawingDatabase::instance().clearLog();
        })
        // The label beside the first nut ticks the nut; the mixed washer is clicked on.
        .click(kDlg, IDC_BOLT_NUT1_LABEL)
        .inspect([] { EXPECT_EQ(boltControl(IDC_BOLT_NUT1).check, BST_UNCHECKED); })
        .click(kDlg, IDC_BOLT_WASHER2)
        .key(kDlg, VK_ESCAPE)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    const MacroBoltData& bolt = macro.tabs[0].bolt;
    EXPECT_EQ(bolt.penetrationLength, Kv_String("45"));
    EXPECT_EQ(bolt.shopBolted, 0);
    EXPECT_EQ(bolt.nut1, 0);
    EXPECT_EQ(bolt.washer2, 1);
    EXPECT_EQ(bolt.washer1, -1);
}

TEST_F(BoltOptionsTest, WithoutAnOwnerPageEveryApplySucceedsAndDoesNothing) {
    MacroBoltData bolt = boltMacro().tabs[0].bolt;
    bolt.slots[1].active = 1;  // would fail the check
    const MacroBoltData before = bolt;
    retype(IDC_BOLT_PENETRATION, "99");
    script.click(kDlg, IDOK);
    openBoltOptions(nullptr, bolt);
    EXPECT_TRUE(win::messageBoxHistory().empty());
    EXPECT_EQ(bolt, before);
    EXPECT_TRUE(log().empty()) << log();
}

TEST_F(BoltOptionsTest, NoSlotsAndUnequalHoleColumnListsOpenWithoutHarm) {
    MacroData macro = sampleMacro();
    MacroBoltData& bolt = macro.tabs[0].bolt;
    bolt.holeColumnFlags = {1, 0, 1};
    bolt.holeColumnNames = {"A", "B"};
    openFromPage();
    script
        .inspect([] {
            EXPECT_TRUE(boltControl(IDC_BOLT_SLOTS).items.empty());
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOTS).enabled);
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOT_ACTIVE).enabled);
            EXPECT_FALSE(boltControl(IDC_BOLT_SLOT_RADIUS).enabled);
        })
        .click(kDlg, IDC_BOLT_TAPPED)
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].bolt.tapped, 1);
    EXPECT_EQ(macro.tabs[0].bolt.holeColumnFlags.length(), 2);
    EXPECT_EQ(macro.tabs[0].bolt.holeColumnNames.length(), 2);
}

TEST_F(BoltOptionsTest, ABrokenBoltPictureLeavesItsAreaEmptyAndPartsWithoutPicturesStayCheckBoxes) {
    // A scratch copy of the install folder whose bolt picture is no picture and whose nut
    // pictures are missing.
    const std::filesystem::path install = library_.path() / "install";
    std::filesystem::copy(kvSourceDir() + "/install", install, std::filesystem::copy_options::recursive);
    std::ofstream(install / "icons" / "DrawBolt2.bmp") << "not a picture";
    std::filesystem::remove(install / "icons" / "BoltNut-on.bmp");
    setenv("KV_DIR", (library_.text() + "install/").c_str(), 1);
    MacroData macro = boltMacro();
    openFromPage();
    script
        .inspect([] {
            EXPECT_EQ(boltControl(IDC_BOLT_PICTURE).bitmap, nullptr);
            EXPECT_EQ(boltControl(IDC_BOLT_PICTURE).text, "");
            EXPECT_EQ(boltControl(IDC_BOLT_NUT1).bitmap, nullptr);
            EXPECT_NE(boltControl(IDC_BOLT_WASHER1).bitmap, nullptr);
        })
        .click(kDlg, IDC_BOLT_NUT1)
        .inspect([] { EXPECT_EQ(boltControl(IDC_BOLT_NUT1).check, BST_UNCHECKED); })
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    EXPECT_EQ(macro.tabs[0].bolt.nut1, 0);
}

TEST_F(BoltOptionsTest, ASlotIsCheckedWhenTheFocusLeavesItNotBetweenItsFields) {
    MacroData macro = boltMacro();
    openFromPage();
    script.choose(kDlg, IDC_BOLT_SLOTS, 1)
        .click(kDlg, IDC_BOLT_SLOT_ACTIVE)  // active without radius and length: refused at once
        .answerMessageBox(IDOK)
        .click(kDlg, IDC_BOLT_SLOT_RADIUS)
        .type(kDlg, "14")
        .click(kDlg, IDC_BOLT_SLOT_LENGTH)  // still within the slot: no warning yet
        .inspect([] { EXPECT_EQ(win::messageBoxHistory().size(), 1u); })
        .type(kDlg, "40")
        .click(kDlg, IDC_BOLT_PENETRATION)  // the slot is left: checked and applied
        .inspect([] {
            EXPECT_EQ(win::messageBoxHistory().size(), 1u);
            EXPECT_NE(log().find("UpdateModule"), std::string::npos) << log();
        })
        .click(kDlg, IDOK)
        .click(IDD_MACRO, IDOK);
    StartDlgMacro(macro);
    const MacroBoltSlot& slot = macro.tabs[0].bolt.slots[1];
    EXPECT_EQ(slot.active, 1);
    EXPECT_EQ(slot.radius, Kv_String("14"));
    EXPECT_EQ(slot.length, Kv_String("40"));
}
