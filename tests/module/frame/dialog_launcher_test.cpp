#include <gtest/gtest.h>

#include <stdexcept>

#include "core/records/macro_data.h"
#include "frame/dialog_launcher.h"
#include "frame/dlg_text_entry.h"
#include "frame_test_support.h"
#include "frame/text_entry_ids.h"
#include "win/resource.h"

namespace {

MacroData sampleMacro() {
    MacroData macro;
    macro.ids.append(AcDbObjectId::fromOldId(7));
    macro.caption = "Base plate";
    macro.groupKeys.append("G1");
    macro.groupNames.append("Group one");
    macro.moduleNames.append("BasePlate");
    macro.filterNames.append("All");
    MacroTabData tab;
    tab.kind = 2;
    tab.title = "Profiles";
    macro.tabs.append(tab);
    macro.startTab = "Profiles";
    return macro;
}

// A dialog that edits every field of its own copy as soon as it opens, as a person would
// while the dialog runs.
class MacroEditingDialog : public CDlgTextEntry {
public:
    MacroData macro;
    BOOL OnInitDialog() override {
        BOOL result = CDlgTextEntry::OnInitDialog();
        macro.tempIds.append(AcDbObjectId::fromOldId(99));
        macro.ids.removeAll();
        macro.caption = "changed";
        macro.groupKeys.append("G2");
        macro.groupNames.removeAt(0);
        macro.groupIndex = 5;
        macro.moduleNames.append("Other");
        macro.filterNames.append("Some");
        macro.filterIndex = 3;
        macro.tabs[0].title = "Changed";
        macro.startTab = "";
        macro.openProfileOptions = true;
        macro.openProfileHint = "hint";
        macro.tempObjects = true;
        macro.closedByDialog = true;
        macro.busy = true;
        return result;
    }
};

bool launchOver(MacroData& record, frame::LaunchRules rules = {}) {
    return frame::launchModalDialog<MacroEditingDialog>(
        rules,
        [&](MacroEditingDialog& dialog) {
            dialog.macro = record;
            dialog.text = "proposal";  // OK is refused on an empty text
        },
        [&](MacroEditingDialog& dialog) { record = dialog.macro; });
}

using DialogLauncherTest = FrameTest;

TEST_F(DialogLauncherTest, CancelLeavesEveryFieldOfTheCallersRecord) {
    const MacroData original = sampleMacro();
    MacroData record = original;
    script.type(IDD_TEXT_ENTRY, "typed").click(IDD_TEXT_ENTRY, IDCANCEL);
    EXPECT_FALSE(launchOver(record));
    EXPECT_EQ(record, original);
}

TEST_F(DialogLauncherTest, ClosingTheWindowCountsAsCancel) {
    const MacroData original = sampleMacro();
    MacroData record = original;
    script.close(IDD_TEXT_ENTRY);
    EXPECT_FALSE(launchOver(record));
    EXPECT_EQ(record, original);
}

TEST_F(DialogLauncherTest, OkCopiesTheDialogsRecordBackWhole) {
    MacroData record = sampleMacro();
    script.click(IDD_TEXT_ENTRY, IDOK);
    EXPECT_TRUE(launchOver(record));
    EXPECT_EQ(record.caption, "changed");
    EXPECT_TRUE(record.busy);
    EXPECT_EQ(record.tabs[0].title, "Changed");
    EXPECT_EQ(record.ids.length(), 0);
}

TEST_F(DialogLauncherTest, CopyBackAlwaysTakesTheRecordAlsoOnCancel) {
    MacroData record = sampleMacro();
    script.click(IDD_TEXT_ENTRY, IDCANCEL);
    EXPECT_FALSE(launchOver(record, {frame::ResourceScope::Open, frame::CopyBack::Always}));
    EXPECT_EQ(record.caption, "changed");
}

TEST_F(DialogLauncherTest, AfterRunSeesEveryResult) {
    bool flagFromDialog = false;
    INT_PTR seen = 0;
    script.click(IDD_TEXT_ENTRY, IDCANCEL);
    const bool confirmed = frame::launchModalDialog<CDlgTextEntry>(
        {}, [](CDlgTextEntry& dialog) { dialog.textRequired = false; }, [](CDlgTextEntry&) { FAIL(); },
        [&](CDlgTextEntry& dialog, INT_PTR result) {
            flagFromDialog = !dialog.textRequired;
            seen = result;
        });
    EXPECT_FALSE(confirmed);
    EXPECT_TRUE(flagFromDialog);
    EXPECT_EQ(seen, IDCANCEL);
}

TEST_F(DialogLauncherTest, ModuleResourcesComeFirstOnlyWhileTheLauncherRuns) {
    const win::ResourceTable* before = win::firstResourceTable();
    const win::ResourceTable* during = nullptr;
    script.inspect([&] { during = win::firstResourceTable(); }).click(IDD_TEXT_ENTRY, IDCANCEL);
    MacroData record = sampleMacro();
    launchOver(record);
    EXPECT_EQ(during, win::findResourceTable(kModuleResourceTableName));
    EXPECT_EQ(win::firstResourceTable(), before);
}

class MissingTemplateDialog : public CDialog {
public:
    MissingTemplateDialog() : CDialog(61234) {}
};

TEST_F(DialogLauncherTest, ADialogThatCannotBeCreatedIsNotConfirmedAndNothingIsCopied) {
    bool copiedBack = false;
    INT_PTR result = 0;
    const bool confirmed = frame::launchModalDialog<MissingTemplateDialog>(
        {}, [](MissingTemplateDialog&) {}, [&](MissingTemplateDialog&) { copiedBack = true; },
        [&](MissingTemplateDialog&, INT_PTR run) { result = run; });
    EXPECT_FALSE(confirmed);
    EXPECT_FALSE(copiedBack);
    EXPECT_EQ(result, -1);
}

TEST_F(DialogLauncherTest, AFailureInsideIsAResultAndRestoresTheResourceOrder) {
    const win::ResourceTable* before = win::firstResourceTable();
    MacroData record = sampleMacro();
    const MacroData original = record;
    const bool confirmed = frame::launchModalDialog<MacroEditingDialog>(
        {}, [](MacroEditingDialog&) { throw std::runtime_error("no memory for the copy"); },
        [&](MacroEditingDialog& dialog) { record = dialog.macro; });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(record, original);
    EXPECT_EQ(win::firstResourceTable(), before);
    EXPECT_NE(host::CommandLine::instance().text().find("no memory for the copy"), std::string::npos);
}

}  // namespace
