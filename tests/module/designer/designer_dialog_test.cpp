// The designer dialog as a person meets it: opening, closing and the save question, the
// buttons and the panel, the mouse on the surface, files and pictures, and its size.
#include <nlohmann/json.hpp>

#include "core/kv_texts.h"
#include "designer_dialog_test.h"
#include "frame/callable_exports.h"
#include "frame/text_entry_ids.h"

using namespace designer_test;

namespace {

const std::string kQuestionPlate = dialString(838).str() + "\n<Plate>";

TEST_F(DesignerDialogTest, EscapeLeavesItOpenAndTheCloseBoxAsksAfterAClick) {
    Kv_String leftName;
    // A click that selects nothing still counts as a change.
    clickSurface(POINT{350, 250});
    script.key(IDD_DLG_DESIGNER, VK_ESCAPE)
        .inspect([] { EXPECT_NE(dialog(), nullptr); }, "still open after Escape")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDCANCEL)
        .inspect([] { EXPECT_NE(dialog(), nullptr); }, "still open after Cancel")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(runDlgDesigner(templatePath("Plate.txt"), leftName));
    EXPECT_EQ(leftName, "Plate");
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    const win::MessageBoxRecord& asked = win::messageBoxHistory()[0];
    EXPECT_EQ(asked.text, kQuestionPlate);
    EXPECT_EQ(asked.caption, dialString(837).str());
    EXPECT_EQ(asked.icon, "question");
    EXPECT_EQ(asked.buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
}

TEST_F(DesignerDialogTest, OkWithoutChangesAsksNothingAndReturnsTrue) {
    script.inspect([] {
        EXPECT_EQ(title(), dialString(843).str() + " - <Plate>");
        EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), IDOK)), dialString(285));
        EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), IDC_DESIGNER_FRAME)), dialString(836));
        EXPECT_FALSE(win::describeWindow(GetDlgItem(dialog(), IDCANCEL)).visible);
        EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC), kLabelRect);
        EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC + 1), kEditRect);
    });
    script.click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(DesignerDialogTest, IconButtonsKeepTheirIconsWhenTheyTakeTheFocus) {
    script.inspect([] { EXPECT_NE(win::describeWindow(GetDlgItem(dialog(), IDC_DESIGNER_COPY)).style & BS_ICON, 0u); })
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_COPY)
        .inspect([] {
            const win::WindowInfo copy = win::describeWindow(GetDlgItem(dialog(), IDC_DESIGNER_COPY));
            EXPECT_TRUE(copy.focused);
            EXPECT_NE(copy.style & BS_ICON, 0u);
        })
        .click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, AMissingTemplateOpensEmptyAndYesAsksForAName) {
    const std::string before = readFile(hostPath("Plate.txt"));
    Kv_String leftName;
    script.inspect([] {
        EXPECT_EQ(title(), dialString(843).str());
        EXPECT_EQ(GetDlgItem(dialog(), IDC_DESIGNER_FIRST_DYNAMIC), nullptr);
    });
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_ADD)
        .inspect([] { EXPECT_EQ(win::describeWindow(GetDlgItem(dialog(), IDC_DESIGNER_FIRST_DYNAMIC)).kind, "edit"); })
        .click(IDD_DLG_DESIGNER, IDOK)
        .answerMessageBox(IDYES)
        .cancelFileDialog()
        .inspect([] { EXPECT_NE(dialog(), nullptr); }, "a cancelled name stops OK")
        .click(IDD_DLG_DESIGNER, IDOK)
        .answerMessageBox(IDYES)
        .answerFileDialog(hostFile("New.txt"));
    EXPECT_TRUE(runDlgDesigner(templatePath("Missing.txt"), leftName));
    EXPECT_EQ(leftName, "New");
    EXPECT_FALSE(std::filesystem::exists(templateFolder() / ".txt"));
    const Kv_DlgDesignerData written = readBack("New.txt");
    ASSERT_EQ(written.getNrControls(), 1);
    EXPECT_EQ(written.getControl(0)->type, kCtrlVariableEdit);
    EXPECT_EQ(readFile(hostPath("Plate.txt")), before);
}

TEST_F(DesignerDialogTest, ASaveOutsideTheFolderWritesNothingSaysNothingAndKeepsTheFlag) {
    const std::filesystem::path outside = library_ / "Outside.txt";
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_ADD)
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_SAVE)
        .answerFileDialog(outside.string())
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_FALSE(std::filesystem::exists(outside));
    ASSERT_EQ(win::messageBoxHistory().size(), 1u) << "only the save question";
    EXPECT_EQ(win::messageBoxHistory()[0].text, kQuestionPlate);
}

TEST_F(DesignerDialogTest, AFailedWriteBehindYesKeepsTheDesignerOpen) {
    clickSurface(centreOf(kEditRect));
    script.inspect([this] {
        // The file becomes a folder: replacing it cannot succeed.
        std::filesystem::remove(hostPath("Plate.txt"));
        std::filesystem::create_directories(hostPath("Plate.txt"));
    });
    script.close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDYES)
        .answerMessageBox(IDOK)
        .inspect([] { EXPECT_NE(dialog(), nullptr); }, "still open after the failed write")
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
    ASSERT_EQ(win::messageBoxHistory().size(), 3u);
    EXPECT_EQ(win::messageBoxHistory()[1].icon, "warning");
    EXPECT_NE(win::messageBoxHistory()[1].text.find("Plate.txt"), std::string::npos);
}

TEST_F(DesignerDialogTest, DraggingAControlMovesItAndYesWritesIt) {
    drag(centreOf(kEditRect), POINT{centreOf(kEditRect).x + 20, centreOf(kEditRect).y + 30});
    script.inspect([] { EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC + 1), (RECT{180, 60, 260, 82})); });
    script.close(IDD_DLG_DESIGNER).answerMessageBox(IDYES);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
    const Kv_DlgDesignerData written = readBack("Plate.txt");
    ASSERT_EQ(written.getNrControls(), 2);
    EXPECT_EQ(written.getPixelRect(*written.getControl(1)), (RECT{180, 60, 260, 82}));
    EXPECT_EQ(written.getPixelRect(*written.getControl(0)), kLabelRect);
}

TEST_F(DesignerDialogTest, ThePanelEditsTheSelectedControl) {
    clickSurface(centreOf(kEditRect));
    script.inspect([] { EXPECT_EQ(windowTextOf(GetDlgItem(dialog(), IDC_DESIGNER_CONTENTS)), "B"); });
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_CONTENTS)
        .key(IDD_DLG_DESIGNER, VK_END)
        .type(IDD_DLG_DESIGNER, "2")
        .choose(IDD_DLG_DESIGNER, IDC_DESIGNER_TYPE, controlTypeName(kCtrlVariableCombo).str())
        .inspect(
            [] { EXPECT_EQ(win::describeWindow(GetDlgItem(dialog(), IDC_DESIGNER_FIRST_DYNAMIC + 1)).kind, "combo"); },
            "the new type is drawn")
        .click(IDD_DLG_DESIGNER, IDOK)
        .answerMessageBox(IDYES);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    const Kv_DlgDesignerData written = readBack("Plate.txt");
    ASSERT_EQ(written.getNrControls(), 2);
    EXPECT_EQ(written.getControl(1)->contents, "B2");
    EXPECT_EQ(written.getControl(1)->type, kCtrlVariableCombo);
}

TEST_F(DesignerDialogTest, ButtonsReachTheirOperations) {
    clickSurface(centreOf(kLabelRect));
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_WIDTH)
        .click(IDD_TEXT_ENTRY, IDC_TEXT_ENTRY_EDIT)
        .key(IDD_TEXT_ENTRY, 'A', win::input::Control)
        .type(IDD_TEXT_ENTRY, "50")
        .click(IDD_TEXT_ENTRY, IDOK)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC), (RECT{40, 30, 90, 48}));
            },
            "width 50")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_COPY)
        .inspect(
            [] {
                EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC + 2), (RECT{60, 50, 110, 68}));
            },
            "copied");
    clickSurface(centreOf(kEditRect), win::input::Control);
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_BOTTOMS)
        .inspect([] { EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC + 1).bottom, 68); }, "bottoms aligned")
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_REMOVE)
        .inspect(
            [] {
                EXPECT_EQ(GetDlgItem(dialog(), IDC_DESIGNER_FIRST_DYNAMIC + 1), nullptr);
                EXPECT_EQ(GetDlgItem(dialog(), IDC_DESIGNER_FIRST_DYNAMIC + 2), nullptr);
            },
            "removed")
        .click(IDD_DLG_DESIGNER, IDOK)
        .answerMessageBox(IDNO);
    const std::string before = readFile(hostPath("Plate.txt"));
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_EQ(readFile(hostPath("Plate.txt")), before);
}

TEST_F(DesignerDialogTest, AnOpenOutsideTheFolderReadsNothingAndTheOldTemplateComesBack) {
    const std::filesystem::path outside = library_ / "Outside.txt";
    std::filesystem::copy_file(hostPath("Plate.txt"), outside);
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_OPEN)
        .answerFileDialog(outside.string())
        .inspect([] {
            EXPECT_EQ(title(), dialString(843).str() + " - <Plate>");
            EXPECT_EQ(windowOf(IDC_DESIGNER_FIRST_DYNAMIC + 1), kEditRect);
        })
        .click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_TRUE(win::messageBoxHistory().empty());
}

TEST_F(DesignerDialogTest, OpeningAnotherTemplateAsksFirstAndClearsTheFlag) {
    Kv_DlgDesignerData other;
    other.append(control(kCtrlLabel, RECT{0, 0, 10, 10}, "Other"));
    ASSERT_TRUE(other.writeToFile(templatePath("Sub\\Other.txt")));
    Kv_String leftName;
    clickSurface(POINT{350, 250});
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_OPEN)
        .answerMessageBox(IDNO)
        .answerFileDialog(hostFile("Sub/Other.txt"))
        .inspect([] { EXPECT_EQ(title(), dialString(843).str() + " - <Sub\\Other>"); })
        .close(IDD_DLG_DESIGNER);
    EXPECT_FALSE(runDlgDesigner(templatePath("Plate.txt"), leftName));
    EXPECT_EQ(leftName, "Sub\\Other");
    EXPECT_EQ(win::messageBoxHistory().size(), 1u);
}

TEST_F(DesignerDialogTest, APictureForAnUnnamedTemplateNeedsANameFirst) {
    writePicture("Chosen.bmp", 120, 80);
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Chosen.bmp"))
        .cancelFileDialog()
        .inspect([] { EXPECT_EQ(title(), dialString(843).str()); })
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Chosen.bmp"))
        .answerFileDialog(hostFile("Fresh.txt"))
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(""));
    EXPECT_FALSE(std::filesystem::exists(templateFolder() / ".bmp"));
    EXPECT_EQ(readFile(hostPath("Fresh.bmp")), readFile(hostPath("Chosen.bmp")));
    EXPECT_NE(readBack("Fresh.txt").getPicture(), nullptr);
}

TEST_F(DesignerDialogTest, ItsOwnPictureStaysIntactAndAnUndecodableOneIsRefused) {
    const std::string own = readFile(hostPath("Plate.bmp"));
    writeFile(hostPath("Broken.bmp"), "BM not a picture");
    script.click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Plate.bmp"))
        .click(IDD_DLG_DESIGNER, IDC_DESIGNER_PICTURE)
        .answerFileDialog(hostFile("Broken.bmp"))
        .answerMessageBox(IDOK)
        .close(IDD_DLG_DESIGNER)
        .answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_EQ(readFile(hostPath("Plate.bmp")), own);
    ASSERT_EQ(win::messageBoxHistory().size(), 2u);
    EXPECT_NE(win::messageBoxHistory()[0].text.find("Broken.bmp"), std::string::npos);
}

TEST_F(DesignerDialogTest, TheSizeIsRememberedAndNeverBelowTheFirst) {
    RECT first{};
    script.inspect([&first] { GetWindowRect(dialog(), &first); })
        .resize(IDD_DLG_DESIGNER, 900, 700)
        .inspect([] {
            // The panel and OK follow the bottom edge.
            RECT client{};
            GetClientRect(dialog(), &client);
            EXPECT_EQ(windowOf(IDOK).bottom, client.bottom - 16);
            EXPECT_EQ(windowOf(IDC_DESIGNER_FRAME).bottom, client.bottom - 8);
        })
        .click(IDD_DLG_DESIGNER, IDOK)
        .inspect([] {
            RECT now{};
            GetWindowRect(dialog(), &now);
            EXPECT_EQ(now.right - now.left, 900);
            EXPECT_EQ(now.bottom - now.top, 700);
        })
        .resize(IDD_DLG_DESIGNER, 100, 100)
        .inspect([&first] {
            RECT now{};
            GetWindowRect(dialog(), &now);
            EXPECT_EQ(now.right - now.left, first.right - first.left);
            EXPECT_EQ(now.bottom - now.top, first.bottom - first.top);
        })
        .click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, APictureLargerThanTheSurfaceGrowsTheDialog) {
    writePicture("Plate.bmp", 900, 500);
    script.inspect([] {
        RECT client{};
        GetClientRect(dialog(), &client);
        EXPECT_GE(client.right, 900);
        // The surface ends 8 pixels above the button row.
        EXPECT_GE(windowOf(IDC_DESIGNER_OPEN).top - 8, 500);
    });
    script.click(IDD_DLG_DESIGNER, IDOK);
    EXPECT_TRUE(StartDlgDesigner(templatePath("Plate.txt")));
}

TEST_F(DesignerDialogTest, TheCallableExportGivesTheResultAndTheName) {
    int count = 0;
    const KvCallableExport* exports = kvCallableExports(&count);
    const KvCallableExport* found = nullptr;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(exports[i].name, "StartDlgDesigner") == 0) found = &exports[i];
    ASSERT_NE(found, nullptr);
    script.click(IDD_DLG_DESIGNER, IDOK);
    std::string outputs, error;
    ASSERT_TRUE(found->call(R"({"templateName": "Plate"})", outputs, error)) << error;
    EXPECT_EQ(nlohmann::json::parse(outputs), nlohmann::json::parse(R"({"result": true, "templateName": "Plate"})"));
    EXPECT_FALSE(found->call(R"({"templateFile": 3})", outputs, error));
}

}  // namespace
