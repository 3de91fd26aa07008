#pragma once
// What the constraint editor tests share: the small-dialog fixture (bundled texts, a registry
// file of its own, the module attached, a scripted person), the bundled sample drawing or a
// drawing of the test's own loaded into a fresh drawing database, and read-back helpers.

#include <gtest/gtest.h>

#include <string>

#include "constraints/constraint_launchers.h"
#include "constraints/constraints_ids.h"
#include "constraints/dlg_edit_constraints.h"
#include "core/constraint_editor_calls.h"
#include "core/kv_settings.h"
#include "core/macro_model.h"
#include "core/records/edit_constr_data.h"
#include "engine_probe.h"
#include "frame/modeless_tables.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/pick_input.h"
#include "small_dialog_fixture.h"

class ConstraintEditorTest : public SmallDialogTest {
protected:
    void SetUp() override {
        setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
        SmallDialogTest::SetUp();
        host::DrawingDatabase::instance().reset();
        macro_model::Drawing::instance().clear();
        setZoomCommandHook(nullptr);
    }
    void TearDown() override {
        EndDlgEditConstraints();
        setZoomCommandHook(nullptr);
        SmallDialogTest::TearDown();
        macro_model::Drawing::instance().clear();
        unsetenv("KV_LIB_DIR");
    }

    // A record over the drawing's first macro, showing the module.
    EditConstrData openDrawing(const std::string& text, const char* module) {
        std::string error;
        EXPECT_TRUE(macro_model::Drawing::instance().loadText(text, "test drawing", error)) << error;
        host::DrawingDatabase::instance().clearLog();
        return recordOf(module);
    }
    EditConstrData openSample(const char* module) {
        std::string error;
        EXPECT_TRUE(macro_model::Drawing::instance().load(macro_model::sampleDrawingPath(), error)) << error;
        host::DrawingDatabase::instance().clearLog();
        return recordOf(module);
    }
    EditConstrData recordOf(const char* module) {
        EditConstrData record;
        if (macro_model::Drawing::instance().macros().empty()) return record;
        record.macroId = macro_model::Drawing::instance().macros().front().id;
        record.currentModule = module;
        FillEditConstrData(&record);
        return record;
    }

    // The modeless editor, opened over the record (a person then acts through runModeless).
    DlgEditConstraints* openModeless(EditConstrData& record) {
        EXPECT_TRUE(StartDlgEditConstraints(record));
        return dynamic_cast<DlgEditConstraints*>(frame::modelessConstraintEditor());
    }

    static HWND listPage() { return win::findOpenDialog(IDD_CONSTR_LIST_PAGE); }
    static HWND sheetWindow() { return GetDlgItem(listPage(), IDC_CL_SHEET); }
    static POINT cell(int col, int row) { return spread_test::cellCenter(sheetWindow(), col, row); }
    static std::string cellText(int col, int row) { return spread_test::EngineProbe(sheetWindow()).dataAt(col, row); }
    static int activeRow() { return spread_test::EngineProbe(sheetWindow()).activeRow(); }
    static win::WindowInfo listControl(int id) { return control(IDD_CONSTR_LIST_PAGE, id); }
    static win::WindowInfo mainControl(int id) { return control(IDD_EDIT_CONSTRAINTS, id); }
    static bool shown(win::WindowInfo info) { return info.visible; }
    static std::string drawingLog() { return host::DrawingDatabase::instance().logText(); }
    static int count(const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    }
    // The module list's selection, -1 for none.
    static int moduleSelection() { return mainControl(IDC_EC_MODULES).selection; }
};
