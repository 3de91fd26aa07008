// Undo and redo in the designer, as a person uses them: buttons and keys, one step per drag
// or typing run, none for a click, ids and selection put back.
#include <memory>
#include <vector>

#include "designer_dialog_test.h"

using namespace designer_test;

namespace {

constexpr int kLabel = IDC_DESIGNER_FIRST_DYNAMIC;
constexpr int kEdit = IDC_DESIGNER_FIRST_DYNAMIC + 1;

bool enabled(int id) { return win::describeWindow(GetDlgItem(DesignerDialogTest::dialog(), id)).enabled; }
std::string panelContents() {
    return windowTextOf(GetDlgItem(DesignerDialogTest::dialog(), IDC_DESIGNER_CONTENTS)).str();
}

TEST_F(DesignerDialogTest, ADragIsOneStepAndAClickNone) {
    const POINT from = centreOf(kEditRect);
    clickSurface(from);
    script.inspect(
        [] {
            EXPECT_FALSE(enabled(IDC_DESIGNER_UNDO));
            EXPECT_FALSE(enabled(IDC_DESIGNER_REDO));
        },
        "a click is no step");
    drag(from, POINT{from.x + 40, from.y + 20});
    clickSurface(POINT{350, 250});  // selects nothing
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(kEdit), kEditRect);
                EXPECT_EQ(panelContents(), "B") << "the selection before the drag is back";
                EXPECT_FALSE(enabled(IDC_DESIGNER_UNDO));
                EXPECT_TRUE(enabled(IDC_DESIGNER_REDO));
            },
            "undone")
        .key(IDD_DLG_DESIGNER, 'Y', win::input::Control)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(kEdit), (RECT{200, 50, 280, 72}));
            },
            "redone")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, RemoveUndoneBringsTheControlBackWithItsId) {
    clickSurface(centreOf(kLabelRect));
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_REMOVE)
        .inspect([] { EXPECT_EQ(GetDlgItem(dialog(), kLabel), nullptr); })
        .key(IDD_DLG_DESIGNER, 'Z', win::input::Control)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(kLabel), kLabelRect);
                EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), kLabel)), "Width");
                EXPECT_EQ(panelContents(), "Width");
            },
            "back with id and selection")
        .key(IDD_DLG_DESIGNER, 'Z', win::input::Control | win::input::Shift)
        .inspect([] { EXPECT_EQ(GetDlgItem(dialog(), kLabel), nullptr); }, "removed again")
        .click(IDD_DLG_DESIGNER, IDOK)
        .answerMessageBox(IDYES);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    const Kv_DlgDesignerData written = readBack("Plate.txt");
    ASSERT_EQ(written.getNrControls(), 1);
    EXPECT_EQ(written.getControl(0)->contents, "B");
}

TEST_F(DesignerDialogTest, TypingIntoOneFieldIsOneStepAndANewEditClearsRedo) {
    clickSurface(centreOf(kEditRect));
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_CONTENTS)
        .key(IDD_DLG_DESIGNER, VK_END)
        .type(IDD_DLG_DESIGNER, "123")
        .inspect([] { EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), kEdit)), "B123"); })
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
        .inspect(
            [] {
                EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), kEdit)), "B");
                EXPECT_FALSE(enabled(IDC_DESIGNER_UNDO));
            },
            "one step")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_COPY)
        .inspect(
            [] {
                EXPECT_FALSE(enabled(IDC_DESIGNER_REDO));
                EXPECT_TRUE(enabled(IDC_DESIGNER_UNDO));
            },
            "a new edit clears redo")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, EachButtonOperationIsUndoneAndRedone) {
    clickSurface(centreOf(kLabelRect));
    clickSurface(centreOf(kEditRect), win::input::Control);
    for (int button : {IDC_DESIGNER_COPY, IDC_DESIGNER_BOTTOMS, IDC_DESIGNER_SIDE_BY_SIDE, IDC_DESIGNER_ADD}) {
        auto before = std::make_shared<std::vector<RECT>>();
        script.inspect([before] {
            for (int id = kLabel; id < kLabel + 8; ++id) before->push_back(windowOrNone(id));
        });
        script.click(IDD_DLG_DESIGNER, button)
            .click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
            .inspect(
                [before, button] {
                    for (int id = kLabel; id < kLabel + 8; ++id)
                        EXPECT_EQ(windowOrNone(id), (*before)[id - kLabel]) << "button " << button << " id " << id;
                },
                "undone")
            .click(IDD_DLG_DESIGNER, IDC_DESIGNER_REDO);
    }
    script.close(IDD_DLG_DESIGNER).answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, OpeningATemplateClearsTheHistory) {
    clickSurface(centreOf(kLabelRect));
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_REMOVE)
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_SAVE)
        .answerFileDialog(hostFile("Copy.txt"))
        .inspect([] { EXPECT_TRUE(enabled(IDC_DESIGNER_UNDO)); }, "saving keeps the history")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_OPEN)
        .answerFileDialog(hostFile("Plate.txt"))
        .inspect([] { EXPECT_FALSE(enabled(IDC_DESIGNER_UNDO)); }, "opening clears it")
        .click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, UndoingAPictureWritesTheFormerBytesBackAndRedoTheNewOnes) {
    const std::string own = readFile(hostPath("Plate.bmp"));
    writePicture("Chosen.bmp", 200, 150);
    const std::string chosen = readFile(hostPath("Chosen.bmp"));
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Chosen.bmp"))
        .inspect(
            [this, chosen] {
                EXPECT_EQ(readFile(hostPath("Plate.bmp")), chosen);
                EXPECT_EQ(windowOf(kEdit), kEditRect) << "the controls stay where they are drawn";
            },
            "the chosen picture")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
        .inspect(
            [this, own] {
                EXPECT_EQ(readFile(hostPath("Plate.bmp")), own);
                EXPECT_EQ(windowOf(kEdit), kEditRect);
            },
            "undone")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_REDO)
        .inspect(
            [this, chosen] {
                EXPECT_EQ(readFile(hostPath("Plate.bmp")), chosen);
                EXPECT_EQ(windowOf(kEdit), kEditRect);
            },
            "redone")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, UndoingTheFirstPictureRemovesTheCopy) {
    writePicture("Chosen.bmp", 200, 150);
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_ADD)
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_SAVE)
        .answerFileDialog(hostFile("Fresh.txt"))
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Chosen.bmp"))
        .inspect([this] { EXPECT_TRUE(std::filesystem::exists(hostPath("Fresh.bmp"))); })
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_UNDO)
        .inspect([this] { EXPECT_FALSE(std::filesystem::exists(hostPath("Fresh.bmp"))); }, "copy removed")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(""));
}

}  // namespace
