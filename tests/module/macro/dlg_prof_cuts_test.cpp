// The profile cuts dialog through its exported launcher: choosing, previewing and deleting
// the cuts of a profile in the drawing.
#include "macro/dlg_prof_cuts.h"

#include "host/drawing_database.h"
#include "host/pick_input.h"
#include "macro/cuts_ids.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_PROF_CUTS;

class ProfCutsDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        drawing().reset();
        data.profileId = addProfile({"Notch", "Mitre", "Slot"});
    }
    void TearDown() override {
        drawing().reset();
        SmallDialogTest::TearDown();
    }
    static host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }
    static AcDbObjectId addProfile(std::initializer_list<const char*> cuts) {
        const AcDbObjectId profile = drawing().addObject("Profile");
        for (const char* cut : cuts)
            drawing().addObject("ProfileCut", {{"profile", profile.asOldId()}, {"description", std::string(cut)}});
        return profile;
    }
    // The cuts whose previews are in the drawing now, by description.
    static std::vector<std::string> previews() {
        std::vector<std::string> shown;
        for (const AcDbObjectId& id : drawing().objectIds("CutPreview")) {
            const host::DrawingObject* preview = drawing().object(id);
            if (!preview || preview->erased) continue;
            host::PropertyValue cut, description;
            drawing().getProperty(id, "cut", cut);
            drawing().getProperty(AcDbObjectId::fromOldId(std::get<long long>(cut)), "description", description);
            shown.push_back(std::get<std::string>(description));
        }
        return shown;
    }
    using Texts = std::vector<std::string>;

    DlgProfCutsData data;
};

}  // namespace

TEST_F(ProfCutsDialogTest, PreviewsFollowTheFlagAndAreRemovedWhenTheDialogCloses) {
    frame::rememberProfCutsFlag(false);
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_ONLY_SELECTED).check, BST_UNCHECKED);
            EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_LIST).selection, 0);
            EXPECT_EQ(previews(), (Texts{"Notch"}));
        })
        .choose(kDlg, IDC_PROF_CUTS_LIST, 1)
        .inspect([] {
            EXPECT_EQ(previews(), (Texts{"Notch", "Mitre"}));
        })
        .click(kDlg, IDC_PROF_CUTS_ONLY_SELECTED)
        .choose(kDlg, IDC_PROF_CUTS_LIST, 2)
        .inspect([] {
            EXPECT_EQ(previews(), (Texts{"Notch", "Slot"}));
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(frame::profCutsRememberedFlag());
    EXPECT_TRUE(previews().empty());

    // The next call opens with the box ticked: only the chosen cut is previewed.
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_ONLY_SELECTED).check, BST_CHECKED); })
        .choose(kDlg, IDC_PROF_CUTS_LIST, 1)
        .inspect([] { EXPECT_EQ(previews(), (Texts{"Mitre"})); })
        .click(kDlg, IDC_PROF_CUTS_ONLY_SELECTED)
        .key(kDlg, VK_ESCAPE);
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(frame::profCutsRememberedFlag());  // a cancelled call leaves it
    EXPECT_EQ(previews(), (Texts{"Mitre"}));       // cleared in the dialog: the person's previews stay
}

TEST_F(ProfCutsDialogTest, DeletingTheLastCutSelectsTheOneBeforeAndAnEmptyListIgnoresDelete) {
    frame::rememberProfCutsFlag(true);
    script.choose(kDlg, IDC_PROF_CUTS_LIST, 2)
        .click(kDlg, IDC_PROF_CUTS_DELETE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_LIST).items, (Texts{"Notch", "Mitre"}));
            EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_LIST).selection, 1);
            EXPECT_EQ(previews(), (Texts{"Mitre"}));
        })
        .click(kDlg, IDC_PROF_CUTS_DELETE)
        .click(kDlg, IDC_PROF_CUTS_DELETE)
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_PROF_CUTS_LIST).items.empty());
            EXPECT_TRUE(previews().empty());
        })
        .click(kDlg, IDC_PROF_CUTS_DELETE)
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_TRUE(drawing().objectIds("ProfileCut").empty());
}

TEST_F(ProfCutsDialogTest, AnotherProfilePickedInTheDrawingShowsItsCuts) {
    frame::rememberProfCutsFlag(true);
    const AcDbObjectId other = addProfile({"Cope"});
    script.click(kDlg, IDC_PROF_CUTS_OTHER_PROFILE).inspect([] {
        EXPECT_FALSE(IsWindowVisible(win::findOpenDialog(kDlg)));
        EXPECT_TRUE(previews().empty());
    });
    host::answerPick(script, {static_cast<double>(other.asOldId())});
    script
        .inspect([] {
            EXPECT_TRUE(IsWindowVisible(win::findOpenDialog(kDlg)));
            EXPECT_EQ(control(kDlg, IDC_PROF_CUTS_LIST).items, (Texts{"Cope"}));
            EXPECT_EQ(previews(), (Texts{"Cope"}));
        })
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_NE(data.profileId, other);  // the caller's record is not written back
}
