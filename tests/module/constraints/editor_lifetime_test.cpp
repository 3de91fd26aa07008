// The editor's life as the caller and the person see it: modal results, the one modeless
// editor, its ends (own button, EndDlgEditConstraints, a window destroyed behind it, unload).
#include "constraint_editor_test.h"

#include "host/acrx.h"

namespace {

class EditorLifetimeTest : public ConstraintEditorTest {};

TEST_F(EditorLifetimeTest, CloseButtonConfirmsAndLeavesTheCallersRecordWhileTheEditReachesTheDrawing) {
    EditConstrData record = openSample("Plate");
    const EditConstrData before = record;
    script.click(IDD_CONSTR_LIST_PAGE, IDC_CL_VALUE);
    script.key(IDD_CONSTR_LIST_PAGE, VK_END);
    script.type(IDD_CONSTR_LIST_PAGE, "5");
    script.click(IDD_EDIT_CONSTRAINTS, IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    EXPECT_EQ(record, before);
    // The window's destruction stored the edit: the core has it, the drawing log shows it.
    EXPECT_NE(drawingLog().find("value = \"3005\""), std::string::npos) << drawingLog();
}

TEST_F(EditorLifetimeTest, EscapeOnAPageConfirmsTheCloseBoxDoesNot) {
    EditConstrData record = openSample("Plate");
    script.key(IDD_CONSTR_LIST_PAGE, VK_ESCAPE);
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    script.close(IDD_EDIT_CONSTRAINTS);
    const EditConstrData before = record;
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    EXPECT_EQ(record, before);
}

TEST_F(EditorLifetimeTest, ASecondModelessStartIsIgnoredAndKeepsTheFirstRecord) {
    EditConstrData first = openSample("Plate");
    DlgEditConstraints* editor = openModeless(first);
    ASSERT_NE(editor, nullptr);
    EditConstrData second = recordOf("Stiffener 2");
    EXPECT_TRUE(StartDlgEditConstraints(second));
    EXPECT_EQ(frame::modelessConstraintEditor(), editor);
    EXPECT_EQ(editor->record.currentModule, Kv_String("Plate"));
    EXPECT_EQ(cellText(1, 1), "Width");
}

TEST_F(EditorLifetimeTest, EndingWithoutAnEditorPostsNoPrompt) {
    EndDlgEditConstraints();
    EXPECT_EQ(host::CommandLine::instance().commandPromptCount(), 0);
    EXPECT_EQ(host::CommandLine::instance().text(), "");
}

TEST_F(EditorLifetimeTest, EndingAfterTheWindowWasDestroyedBehindItReportsOnceAndPromptsOnce) {
    EditConstrData record = openSample("Plate");
    DlgEditConstraints* editor = openModeless(record);
    ASSERT_NE(editor, nullptr);
    ::DestroyWindow(editor->m_hWnd);
    host::CommandLine::instance().clear();
    EndDlgEditConstraints();
    EXPECT_EQ(host::CommandLine::instance().text(), "Erase window failed\n");
    EXPECT_EQ(host::CommandLine::instance().commandPromptCount(), 1);
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
}

TEST_F(EditorLifetimeTest, TheOwnCloseButtonEndsTheModelessEditorOnce) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    host::CommandLine::instance().clear();
    script.click(IDD_EDIT_CONSTRAINTS, IDOK);
    script.runModeless();
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
    EXPECT_EQ(win::findOpenDialog(IDD_EDIT_CONSTRAINTS), nullptr);
    EXPECT_EQ(host::CommandLine::instance().commandPromptCount(), 1);
    EXPECT_EQ(host::CommandLine::instance().text(), "");
    // A later start opens a new editor.
    EXPECT_NE(openModeless(record), nullptr);
}

TEST_F(EditorLifetimeTest, EscapeOnAPageEndsTheModelessEditor) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    script.clickAt(IDD_CONSTR_LIST_PAGE, IDC_CL_SHEET, cell(1, 2));
    script.key(IDD_CONSTR_LIST_PAGE, VK_ESCAPE);
    script.runModeless();
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
}

TEST_F(EditorLifetimeTest, UnloadClosesAnOpenEditor) {
    EditConstrData record = openSample("Plate");
    ASSERT_NE(openModeless(record), nullptr);
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr), AcRx::kRetOK);
    EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
    EXPECT_EQ(win::findOpenDialog(IDD_EDIT_CONSTRAINTS), nullptr);
}

TEST_F(EditorLifetimeTest, TheOpeningFocusGoesToTheSheetWhenTheVariableFieldIsHidden) {
    EditConstrData record = openSample("Stiffener 1");
    record.currentConstraintId = record.constraintIds[3];  // "Upright": no properties
    script.inspect([] {
        EXPECT_FALSE(listControl(IDC_CL_VARIABLE).visible);
        EXPECT_EQ(GetFocus(), sheetWindow());
    });
    // Typing lands in the sheet, not in the hidden field that a later store would write.
    script.type(IDD_CONSTR_LIST_PAGE, "x");
    script.click(IDD_EDIT_CONSTRAINTS, IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    EXPECT_EQ(drawingLog().find("variable"), std::string::npos) << drawingLog();
}

}  // namespace
