// The DSTV point group dialog through its exported launcher, over a library of its own: the
// groups on disk are what a person's actions are checked against.
#include "dialogs/dlg_dstv_groups.h"

#include "core/records/dlg_dstv_points.h"
#include "dialogs/dstv_points_ids.h"
#include "library_dialog_fixture.h"
#include "frame/text_entry_ids.h"

namespace {

constexpr int kDlg = IDD_DSTV_GROUPS;
constexpr int kEditor = IDD_DSTV_POINT_EDIT;
constexpr int kPrompt = IDD_TEXT_ENTRY;

class DstvGroupsTest : public LibraryDialogTest {
protected:
    void SetUp() override {
        LibraryDialogTest::SetUp();
        Kv_DstvPointInfo weld("Corner weld");
        weld.setPlateSelection(1, 3, 12.5);
        ASSERT_TRUE(DlgDstvPoints::writeToFile("Weld", Kv_DstvPointArray{weld}));
        ASSERT_TRUE(DlgDstvPoints::writeToFile("Drill", Kv_DstvPointArray{Kv_DstvPointInfo("Hole")}));
        ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile("Weld"));
    }
    std::filesystem::path folder() const { return library() / "DSTV Points"; }
    std::filesystem::path group(const std::string& name) const { return folder() / (name + ".dat"); }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void addGroup(const std::string& name) {
        script.click(kDlg, IDC_DSTV_GROUPS_ADD)
            .inspect([] {
                EXPECT_EQ(caption(kPrompt), dialString(87).str());
                EXPECT_EQ(control(kPrompt, IDC_TEXT_ENTRY_PROMPT).text, dialString(864).str());
                EXPECT_EQ(control(kPrompt, IDC_TEXT_ENTRY_EDIT).text, dialString(171).str());
            })
            .type(kPrompt, name)
            .click(kPrompt, IDOK);
    }
};

}  // namespace

TEST_F(DstvGroupsTest, OpensWithTheGroupsAndTheStandardOneTicked) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(863).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_ACTIVATE).text, dialString(861).str());
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_EDIT).text, dialString(862).str());
            EXPECT_EQ(control(kDlg, IDOK).text, dialString(285).str());
            EXPECT_FALSE(control(kDlg, IDCANCEL).visible);
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).items, (std::vector<std::string>{"Drill", "Weld"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).checkMarks, (std::vector<int>{0, 1}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).selection, 0);
        })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
}

TEST_F(DstvGroupsTest, AddingAGroupWritesAnEmptyGroupThatOpensWithoutPoints) {
    addGroup("Bolt");
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).items, (std::vector<std::string>{"Bolt", "Drill", "Weld"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).checkMarks, (std::vector<int>{0, 0, 1}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).selection, 0);
        })
        .click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .inspect([] {
            EXPECT_TRUE(control(kEditor, IDC_DSTV_POINT_LIST).items.empty());
            EXPECT_FALSE(control(kEditor, IDC_DSTV_POINT_NAME).enabled);
        })
        .click(kEditor, IDCANCEL)
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_EQ(readFile(group("Bolt")), "");
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(DstvGroupsTest, AnExistingNameInAnyCaseWarnsOnceAndCreatesNothing) {
    const std::string weld = readFile(group("Weld"));
    addGroup("wELD");
    script.answerMessageBox(IDOK)
        .inspect([] {
            EXPECT_EQ(win::findOpenDialog(kPrompt), nullptr);
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).items.size(), 2u);
        })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    const auto& boxes = win::messageBoxHistory();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, dialString(856).str());
    EXPECT_EQ(boxes[0].text, CDlgDSTVGroups::nameInUseMessage().str());
    EXPECT_EQ(boxes[0].icon, "warning");
    EXPECT_EQ(readFile(group("Weld")), weld);
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Drill.dat", "Weld.dat", "standard.txt"}));
}

TEST_F(DstvGroupsTest, ANameThatIsNoFileNameWritesNothing) {
    addGroup("..\\x");
    script.answerMessageBox(IDOK).click(kDlg, IDOK);
    StartDSTVPointsDlg();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].caption, string(20000).str());
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Drill.dat", "Weld.dat", "standard.txt"}));
    EXPECT_FALSE(std::filesystem::exists(library() / "x.dat"));
}

TEST_F(DstvGroupsTest, ACancelledPromptCreatesNothing) {
    script.click(kDlg, IDC_DSTV_GROUPS_ADD).type(kPrompt, "Bolt").click(kPrompt, IDCANCEL).click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Drill.dat", "Weld.dat", "standard.txt"}));
}

TEST_F(DstvGroupsTest, DeletingAsksNothing) {
    script.click(kDlg, IDC_DSTV_GROUPS_DELETE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).items, (std::vector<std::string>{"Weld"}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).selection, 0);
        })
        .click(kDlg, IDC_DSTV_GROUPS_DELETE)
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_DSTV_GROUPS_LIST).items.empty());
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).selection, -1);
        })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_TRUE(win::messageBoxHistory().empty());
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"standard.txt"}));
}

TEST_F(DstvGroupsTest, WithNoGroupSelectedDeleteEditAndActivateDoNothing) {
    std::filesystem::remove(group("Weld"));
    std::filesystem::remove(group("Drill"));
    script.click(kDlg, IDC_DSTV_GROUPS_DELETE)
        .click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .click(kDlg, IDC_DSTV_GROUPS_ACTIVATE)
        .inspect([] { EXPECT_EQ(win::findOpenDialog(kEditor), nullptr); })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_TRUE(win::messageBoxHistory().empty());
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), "Weld.dat");
}

TEST_F(DstvGroupsTest, EditThenCancelLeavesTheFileByteForByte) {
    // Written by hand, with a distance that no three-decimal field shows exactly.
    LibraryDialogTest::writeFile(group("Drill"),
                                 "KvDstvPoints\t1\t1\r\nHole\t1\t0\t2\t0\t1\t0\t2\t4\t0.1\t1\t0\t8.123456789\r\n");
    const std::string before = readFile(group("Drill"));
    script.click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .inspect([] { EXPECT_EQ(control(kEditor, IDC_DSTV_POINT_RADIUS).text, "8.123"); })
        .click(kEditor, IDC_DSTV_POINT_NAME)
        .type(kEditor, "Renamed")
        .click(kEditor, IDCANCEL)
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_EQ(readFile(group("Drill")), before);
}

TEST_F(DstvGroupsTest, EditThenOkWritesThePoints) {
    script.choose(kDlg, IDC_DSTV_GROUPS_LIST, "Weld")
        .click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .click(kEditor, IDC_DSTV_POINT_SIDE_DISTANCE)
        .key(kEditor, 'A', win::input::Control)
        .type(kEditor, "75.5")
        .click(kEditor, IDOK)
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    Kv_DstvPointArray points;
    ASSERT_TRUE(DlgDstvPoints::readFromFile("Weld", points));
    ASSERT_EQ(points.length(), 1);
    EXPECT_EQ(points[0].minPlateSideDist(), 75.5);
    EXPECT_EQ(points[0].viewPlateSelection(), 1);
    EXPECT_EQ(points[0].markPlateSelection(), 3);
}

TEST_F(DstvGroupsTest, AGroupThatCannotBeReadIsReportedAndNotOpened) {
    LibraryDialogTest::writeFile(group("Drill"), "KvDstvPoints\t2\t0\r\n");
    const std::string before = readFile(group("Drill"));
    script.click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_EQ(win::findOpenDialog(kEditor), nullptr); })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, CDlgDSTVGroups::unreadableMessage("Drill").str());
    EXPECT_EQ(readFile(group("Drill")), before);
}

TEST_F(DstvGroupsTest, AFailedWriteOfTheEditedPointsIsReported) {
    script.click(kDlg, IDC_DSTV_GROUPS_EDIT)
        .inspect([this] {
            // The folder gives way to a file while the editor is open: nothing can be written.
            std::filesystem::remove_all(folder());
            LibraryDialogTest::writeFile(folder(), "in the way");
        })
        .click(kEditor, IDOK)
        .answerMessageBox(IDOK)
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    ASSERT_EQ(win::messageBoxHistory().size(), 1u);
    EXPECT_EQ(win::messageBoxHistory()[0].text, CDlgDSTVGroups::unwritableMessage("Drill").str());
}

TEST_F(DstvGroupsTest, AnActivatedGroupIsTickedAndStaysStandardAfterReopening) {
    script.click(kDlg, IDC_DSTV_GROUPS_ACTIVATE)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).checkMarks, (std::vector<int>{1, 0}));
            EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).selection, 0);
        })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    script.inspect([] {
              EXPECT_EQ(control(kDlg, IDC_DSTV_GROUPS_LIST).checkMarks, (std::vector<int>{1, 0}));
          })
        .click(kDlg, IDOK);
    StartDSTVPointsDlg();
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), "Drill.dat");
}
