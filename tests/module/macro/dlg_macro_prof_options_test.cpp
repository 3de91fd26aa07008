// The profile options through their two exported launchers and the page's run, as a person
// uses them: what opens, every change through the callback, the picks and the zoom, and what
// the launchers do afterwards.
#include "macro/dlg_macro_prof_options.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/constraint_editor_calls.h"
#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "core/macro_profile_calls.h"
#include "core/section_select_dlg.h"
#include "host/drawing_database.h"
#include "host/pick_input.h"
#include "kv_source_dir.h"
#include "macro/prof_options_ids.h"
#include "win/winuser.h"
#include "small_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_MACRO_PROF_OPTIONS;

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

// What a caller's callback saw: each call's kind and the profile data it was given.
struct Call {
    int kind;
    MacroProfData prof;
    size_t ids;
};
std::vector<Call> calls;
MacroProfData answerAtRead;

bool recordingCallback(TwMACallBackType kind, const TwMACallBackData& data, MacroProfData& prof) {
    if (kind == kMACallBackRead) prof = answerAtRead;
    calls.push_back({kind, prof, static_cast<size_t>(data.objectIds.length())});
    return true;
}

std::vector<int> kinds() {
    std::vector<int> seen;
    for (const Call& call : calls) seen.push_back(call.kind);
    return seen;
}

int windowHeight() {
    const RECT rect = win::describeWindow(win::findOpenDialog(kDlg)).windowRect;
    return rect.bottom - rect.top;
}

const host::DrawingLogEntry* lastLogged(const char* action) {
    const host::DrawingLogEntry* found = nullptr;
    for (const host::DrawingLogEntry& entry : drawing().log())
        if (entry.action == action) found = &entry;
    return found;
}

class ProfOptionsTest : public SmallDialogTest {
protected:
    void SetUp() override {
        setenv("KV_LIB_DIR", (kvSourceDir() + "/library/").c_str(), 1);
        SmallDialogTest::SetUp();
        drawing().reset();
        calls.clear();
        answerAtRead = MacroProfData();
        answerAtRead.profile = "IPE-IPE200";
        answerAtRead.rotation = "0\xB0";
        ids.append(drawing().addObject("Profile"));
        ids.append(drawing().addObject("Profile"));
    }
    void TearDown() override {
        setZoomCommandHook(nullptr);
        drawing().reset();
        SmallDialogTest::TearDown();
        unsetenv("KV_LIB_DIR");
    }
    void runIds() { StartDlgMacroProfAdv(&ids, flag, &recordingCallback); }

    // A macro with one profile tab: two columns of one group, drawn as one instance.
    MacroData profileMacro() {
        MacroData macro;
        MacroTabData tab;
        tab.kind = 2;
        tab.moduleName = "Frame";
        tab.title = "Profiles";
        for (int i = 0; i < 2; ++i) {
            MacroProfData column;
            column.group = "Column";
            column.id = drawing().addObject("Profile");
            column.profile = "IPE-IPE200";
            column.rotation = "0\xB0";
            tab.profiles.append(column);
        }
        macro.tabs.append(tab);
        macro.ids.append(addMacroInstance(macro, "Frame"));
        drawing().clearLog();
        return macro;
    }

    AcArray<AcDbObjectId> ids;
    bool flag = false;
};

}  // namespace

TEST_F(ProfOptionsTest, APlainProfileOpensWithoutTheMorphedRowAndAMorphedOneWithItAndTallerBy65) {
    int plainHeight = 0;
    script
        .inspect([&] {
            plainHeight = windowHeight();
            EXPECT_EQ(caption(kDlg), dialString(1011).str());
            EXPECT_FALSE(control(kDlg, IDC_PO_END_PROFILE).visible);
            EXPECT_FALSE(control(kDlg, IDC_PO_END_VALUE1).visible);
            EXPECT_FALSE(control(kDlg, IDC_PO_END_PROFILE_BROWSE).visible);
            EXPECT_TRUE(control(kDlg, IDC_PO_PROFILE).visible);
            EXPECT_EQ(control(kDlg, IDC_PO_PROFILE).text, "IPE 200");
            EXPECT_EQ(control(kDlg, IDC_PO_ZOOM).icon != nullptr, true);
            EXPECT_EQ(control(kDlg, IDC_PO_ROTATION_0).check, BST_CHECKED);
            EXPECT_EQ(control(kDlg, IDC_PO_ROTATION_90).text, "90\xB0");
            EXPECT_EQ(control(kDlg, IDC_PO_TRI_STATE).text, dialString(1343).str());
            EXPECT_EQ(control(kDlg, IDOK).text, dialString(285).str());
            // The extra combo: where along its line, entry 2 unless the record says otherwise.
            EXPECT_EQ(control(kDlg, IDC_PO_POINT_CHOICE).items.size(), 3u);
            EXPECT_EQ(control(kDlg, IDC_PO_POINT_CHOICE).items[0], dialString(1022).str());
            // No temporary object: no coordinate system to create for it.
            EXPECT_FALSE(control(kDlg, IDC_PO_PLANE_CREATED).enabled);
        })
        .click(kDlg, IDOK);
    runIds();

    answerAtRead.morphed = 1;
    answerAtRead.endProfile = "IPE-IPE300";
    answerAtRead.endValue1 = "10";
    int morphedHeight = 0;
    int morphedPointGroupTop = 0, plainPointGroupTop = 0;
    script
        .inspect([&] {
            morphedHeight = windowHeight();
            morphedPointGroupTop = control(kDlg, IDC_PO_POINT_GROUP).rectInParent.top;
            EXPECT_TRUE(control(kDlg, IDC_PO_END_PROFILE).visible);
            EXPECT_EQ(control(kDlg, IDC_PO_END_PROFILE).text, "IPE 300");
            EXPECT_EQ(control(kDlg, IDC_PO_END_VALUE1).text, "10");
            EXPECT_EQ(control(kDlg, IDC_PO_END_VALUE1_LABEL).text, dialString(1410).str());
        })
        .click(kDlg, IDOK);
    runIds();
    EXPECT_EQ(morphedHeight, plainHeight + 65);

    // The remembered size does not keep the morphed profile's extra height.
    answerAtRead.morphed = 0;
    script
        .inspect([&] {
            EXPECT_EQ(windowHeight(), plainHeight);
            plainPointGroupTop = control(kDlg, IDC_PO_POINT_GROUP).rectInParent.top;
        })
        .click(kDlg, IDOK);
    runIds();
    EXPECT_EQ(morphedPointGroupTop, plainPointGroupTop + 65);
}

TEST_F(ProfOptionsTest, TheSectionPointPickGetsTheAngleInRadiansBetweenKindsTwoAndThree) {
    answerAtRead.rotation = "45";
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PO_ROTATION_ANGLE).check, BST_CHECKED);
            EXPECT_EQ(control(kDlg, IDC_PO_ANGLE).text, "45");
        })
        .click(kDlg, IDC_PO_PICK_POINT);
    host::answerPick(script, {0, 20});
    script
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDOK).visible);
            EXPECT_EQ(control(kDlg, IDC_PO_OFFSET_X).text, "14.14");
        })
        .click(kDlg, IDOK);
    runIds();
    const host::DrawingLogEntry* logged = lastLogged("section point");
    ASSERT_NE(logged, nullptr);
    EXPECT_NEAR(std::get<double>(*logged->value), 0.785398, 1e-6);
    EXPECT_EQ(logged->name, "IPE-IPE200");
    // Read, hidden, shown, the pick's apply, OK's apply.
    EXPECT_EQ(kinds(), (std::vector<int>{0, 2, 3, 1, 1}));
    EXPECT_DOUBLE_EQ(calls[3].prof.offsetX, 14.14);
    EXPECT_EQ(calls[3].ids, 2u);
}

TEST_F(ProfOptionsTest, ACancelledPickAppliesNothingAndTheZoomRunsBetweenKindsTwoAndThreeOnce) {
    script.click(kDlg, IDC_PO_PICK_POINT);
    host::cancelPick(script);
    script.click(kDlg, IDC_PO_ZOOM).click(kDlg, IDOK);
    int zooms = 0;
    setZoomCommandHook([&] {
        ++zooms;
        // A click on the zoom button while the zoom runs must not start a second one.
        SendMessage(GetDlgItem(win::findOpenDialog(kDlg), IDC_PO_ZOOM), BM_CLICK, 0, 0);
    });
    runIds();
    EXPECT_EQ(zooms, 1);
    EXPECT_EQ(kinds(), (std::vector<int>{0, 2, 3, 2, 3, 1}));
}

TEST_F(ProfOptionsTest, APlanePickWithThePickedPlaneRadioStoresThePlaneAndACoordinateSystemPickItsMarker) {
    const AcDbObjectId system = drawing().addObject("CoordSys", {{"name", std::string("Grid A")}});
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_COORD_SYS).items, (std::vector<std::string>{"Grid A"})); })
        .click(kDlg, IDC_PO_PLANE_PICKED)
        .click(kDlg, IDC_PO_PICK_PLANE);
    host::answerPick(script, {0, 0, 100, 0, 0, 1});
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_PLANE_PICKED).check, BST_CHECKED); })
        .click(kDlg, IDC_PO_PLANE_COORD_SYS)
        .click(kDlg, IDC_PO_PICK_PLANE);
    host::answerPick(script, {static_cast<double>(system.asOldId())});
    script.click(kDlg, IDOK);
    runIds();
    // Read; the radio's apply; the plane pick; the radio's apply; the coordinate system pick; OK.
    ASSERT_EQ(kinds(), (std::vector<int>{0, 1, 2, 3, 1, 1, 2, 3, 1, 1}));
    const MacroProfData& afterPlane = calls[4].prof;
    ASSERT_FALSE(afterPlane.planeId.isNull());
    EXPECT_EQ(drawing().object(afterPlane.planeId)->type, "Plane");
    EXPECT_EQ(afterPlane.plane, Kv_String("Plane #" + std::to_string(afterPlane.planeId.asOldId())));
    EXPECT_EQ(calls[8].prof.planeId, system);
    EXPECT_EQ(calls[8].prof.plane, coordSysPlaneMarker());
}

TEST_F(ProfOptionsTest, EveryChangeAppliesAndEnterAppliesWithoutClosing) {
    script.click(kDlg, IDC_PO_RADIO_BOTTOM_RIGHT)
        .click(kDlg, IDC_PO_ROTATION_90)
        .click(kDlg, IDC_PO_OFFSET_X)
        .key(kDlg, VK_END)
        .type(kDlg, "5")
        .key(kDlg, VK_RETURN)
        .inspect([] { EXPECT_TRUE(control(kDlg, IDOK).visible); })
        .choose(kDlg, IDC_PO_POINT_CHOICE, 1)
        .click(kDlg, IDC_PO_ON_SEGMENT)
        .click(kDlg, IDOK);
    runIds();
    ASSERT_EQ(kinds(), (std::vector<int>{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(calls[1].prof.offsetType, 8);
    EXPECT_EQ(calls[2].prof.rotation, Kv_String("90\xB0"));
    EXPECT_DOUBLE_EQ(calls[3].prof.offsetX, 5);
    EXPECT_EQ(calls[4].prof.pointChoice, 1);
    EXPECT_TRUE(calls[5].prof.onSegment);
}

TEST_F(ProfOptionsTest, TheThreeStateBoxStaysUndeterminedUntilItsFirstClick) {
    answerAtRead.triStateOption = 2;
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_TRI_STATE).check, BST_INDETERMINATE); })
        .click(kDlg, IDC_PO_ROTATION_180)
        .click(kDlg, IDOK);
    runIds();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].prof.triStateOption, 2);
    EXPECT_EQ(calls[2].prof.triStateOption, 2);

    calls.clear();
    // Clicked: two states from then on, so three clicks end checked, not undetermined.
    script.click(kDlg, IDC_PO_TRI_STATE)
        .click(kDlg, IDC_PO_TRI_STATE)
        .click(kDlg, IDC_PO_TRI_STATE)
        .inspect([] { EXPECT_NE(control(kDlg, IDC_PO_TRI_STATE).check, BST_INDETERMINATE); })
        .click(kDlg, IDOK);
    runIds();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_NE(calls[1].prof.triStateOption, 2);
    EXPECT_NE(calls[3].prof.triStateOption, 2);
    EXPECT_EQ(calls[1].prof.triStateOption, calls[3].prof.triStateOption);
}

TEST_F(ProfOptionsTest, TheIdsFormReturnsAtOnceWithoutIdsAndGivesBackTheFlagBox) {
    AcArray<AcDbObjectId> none;
    flag = true;
    StartDlgMacroProfAdv(&none, flag, &recordingCallback);
    StartDlgMacroProfAdv(nullptr, flag, &recordingCallback);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(flag);

    script
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_PO_FLAG).visible);
            EXPECT_EQ(control(kDlg, IDC_PO_FLAG).text, dialString(1497).str());
            EXPECT_FALSE(control(kDlg, IDC_PO_GROUP).visible);
            EXPECT_FALSE(control(kDlg, IDC_PO_GROUP_LABEL).visible);
        })
        .click(kDlg, IDC_PO_FLAG)
        .click(kDlg, IDOK);
    runIds();
    EXPECT_TRUE(flag);

    flag = false;
    script
        .inspect([] {
            EXPECT_FALSE(control(kDlg, IDC_PO_FLAG).visible);
            EXPECT_TRUE(control(kDlg, IDC_PO_GROUP).visible);
        })
        .click(kDlg, IDOK);
    runIds();
    EXPECT_FALSE(flag);
}

TEST_F(ProfOptionsTest, BadProfileDataIsShownWithoutHarm) {
    answerAtRead.profile = "NOSUCH-X1";
    answerAtRead.rotation = "steep";
    answerAtRead.offsetType = 42;
    answerAtRead.pointChoice = 7;
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_PO_PROFILE).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_PO_OFFSET_TYPE).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_PO_POINT_CHOICE).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_PO_ANGLE).text, "steep");
        })
        .click(kDlg, IDC_PO_PICK_POINT);
    host::answerPick(script, {3, 4});
    script.click(kDlg, IDOK);
    runIds();
    // A rotation that is no angle turns nothing and is stored as 0; what the person left
    // alone keeps its value.
    EXPECT_DOUBLE_EQ(std::get<double>(*lastLogged("section point")->value), 0.0);
    const MacroProfData& last = calls.back().prof;
    EXPECT_EQ(last.profile, Kv_String("NOSUCH-X1"));
    EXPECT_EQ(last.rotation, Kv_String("0"));
    EXPECT_EQ(last.pointChoice, 7);
    EXPECT_TRUE(last.offsetMixed);
    EXPECT_DOUBLE_EQ(last.offsetX, 3);
}

TEST_F(ProfOptionsTest, TheRecordFormUpdatesTheDrawingAndHandsTheChangedMacroBack) {
    MacroData macro = profileMacro();
    script.inspect([] { EXPECT_FALSE(control(kDlg, IDC_PO_GROUP).enabled); })
        .click(kDlg, IDC_PO_ROTATION_270)
        .click(kDlg, IDOK);
    StartDlgMacroProfAdv(macro, "Frame", "Column", true);
    for (const MacroProfData& column : macro.tabs[0].profiles) EXPECT_EQ(column.rotation, Kv_String("270\xB0"));
    host::PropertyValue stored;
    ASSERT_EQ(drawing().getProperty(macro.ids[0], "profile.Column.1.rotation", stored), Acad::eOk);
    EXPECT_EQ(std::get<std::string>(stored), "270\xB0");
    EXPECT_NE(lastLogged("UpdateModule"), nullptr);
}

TEST_F(ProfOptionsTest, TheRecordFormErasesOnlyASingleTemporaryObjectAndAlwaysItsCoordinateSystem) {
    MacroData macro = profileMacro();
    macro.tempObjects = true;
    // No temporary id: the created coordinate system goes, nothing else.
    // Chosen twice: one coordinate system all the same.
    script.inspect([] { EXPECT_TRUE(control(kDlg, IDC_PO_PLANE_CREATED).enabled); })
        .click(kDlg, IDC_PO_PLANE_CREATED)
        .click(kDlg, IDC_PO_PLANE_MACRO)
        .click(kDlg, IDC_PO_PLANE_CREATED)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_COORD_SYS).items.size(), 1u); })
        .click(kDlg, IDOK);
    const size_t objectsBefore = drawing().objectIds().size();
    StartDlgMacroProfAdv(macro, "Frame", "Column", false);
    AcArray<AcDbObjectId> systems;
    Kv_StringArray names;
    EXPECT_FALSE(getAllCoordSys(systems, names));
    EXPECT_EQ(drawing().objectIds().size(), objectsBefore);

    // Two temporary ids: neither is the profile's; one: it is erased.
    const AcDbObjectId first = drawing().addObject("Temporary");
    const AcDbObjectId second = drawing().addObject("Temporary");
    macro.tempIds.append(first);
    macro.tempIds.append(second);
    script.click(kDlg, IDOK);
    StartDlgMacroProfAdv(macro, "Frame", "Column", false);
    EXPECT_FALSE(drawing().object(first)->erased);
    EXPECT_FALSE(drawing().object(second)->erased);
    macro.tempIds.removeAll();
    macro.tempIds.append(first);
    script.click(kDlg, IDOK);
    StartDlgMacroProfAdv(macro, "Frame", "Column", false);
    EXPECT_TRUE(drawing().object(first)->erased);
    EXPECT_FALSE(drawing().object(second)->erased);
}

TEST_F(ProfOptionsTest, AMissingGroupOpensEmptyAndChangesNothing) {
    MacroData macro = profileMacro();
    const MacroData before = macro;
    script.click(kDlg, IDC_PO_ROTATION_90).click(kDlg, IDOK);
    StartDlgMacroProfAdv(macro, "Frame", "Beam", false);
    EXPECT_EQ(macro, before);
    EXPECT_EQ(lastLogged("UpdateModule"), nullptr);
}

TEST_F(ProfOptionsTest, ThePagesRunTakesAStartHintAndGivesTheGroupBack) {
    ProfOptionsRun run;
    run.data.groupName = "Column";
    run.startHint = "zoom";
    run.callback = [](TwMACallBackType kind, const TwMACallBackData& data, MacroProfData& prof) {
        return recordingCallback(kind, data, prof);
    };
    script.click(kDlg, IDC_PO_GROUP).key(kDlg, VK_END).type(kDlg, "s").click(kDlg, IDOK);
    EXPECT_TRUE(runProfOptionsDialog(run));
    EXPECT_EQ(run.data.groupName, Kv_String("Columns"));
    EXPECT_EQ(kinds(), (std::vector<int>{0, 2, 3, 1}));
    EXPECT_NE(lastLogged("zoom"), nullptr);
}

TEST_F(ProfOptionsTest, WithoutACallbackTheDialogShowsAndAppliesNothing) {
    drawing().clearLog();
    script.inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_PROFILE).selection, -1); })
        .click(kDlg, IDC_PO_ROTATION_90)
        .click(kDlg, IDC_PO_PICK_POINT)
        .click(kDlg, IDC_PO_ZOOM)
        .click(kDlg, IDOK);
    StartDlgMacroProfAdv(&ids, flag, nullptr);
    EXPECT_TRUE(drawing().log().empty());
}

TEST_F(ProfOptionsTest, TheSectionButtonsChooseTheProfileAndTheEndProfileWithoutTheLibraryFolder) {
    answerAtRead.morphed = 1;
    answerAtRead.endProfile = "IPE-IPE300";
    script.click(kDlg, IDC_PO_PROFILE_BROWSE)
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_FAMILIES, "RHS")
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "RHS120x80x6")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_PO_PROFILE).text, "RHS 120x80x6"); })
        .click(kDlg, IDC_PO_END_PROFILE_BROWSE)
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "IPE120")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        // A cancelled chooser changes nothing and applies nothing.
        .click(kDlg, IDC_PO_END_PROFILE_BROWSE)
        .click(IDD_CORE_SECTION_SELECT, IDCANCEL)
        .click(kDlg, IDOK);
    runIds();
    ASSERT_EQ(kinds(), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(calls[1].prof.profile, Kv_String("RHS-RHS120x80x6"));
    EXPECT_EQ(calls[2].prof.endProfile, Kv_String("IPE-IPE120"));
    EXPECT_EQ(calls[3].prof.profile, Kv_String("RHS-RHS120x80x6"));
}
