// The macro operations on a drawing: instances, updates, differences, picks, filters, values
// files, the drawing list, flexible-fix groups, merged profiles, the clash check, the bolt
// table and the dimension calculator.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/bolt_table.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/macro_calculator.h"
#include "core/macro_clash.h"
#include "core/macro_instances.h"
#include "core/file_layer.h"
#include "core/records/macro_data.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/picks.h"
#include "temp_folder.h"

namespace {

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

MacroCell cell(const char* name, const char* value, int type = MacroCell::kNumber) {
    MacroCell made;
    made.name = name;
    made.value = value;
    made.type = type;
    return made;
}

// A one-tab macro of the module "base_plate": width, height, a check box; a bolt; a pattern.
MacroData plateMacro() {
    MacroData macro;
    MacroTabData tab;
    tab.kind = 1;
    tab.moduleName = "base_plate";
    tab.title = "Base plate";
    tab.cells.append(cell("width", "200.00"));
    tab.cells.append(cell("height", "300.00"));
    tab.cells.append(cell("stiffened", "1", MacroCell::kCheckBox));
    tab.bolt.composition = "8.8 hexagon";
    tab.bolt.diameter = "M20";
    MacroPatternProps pattern;
    pattern.name = "holes";
    pattern.count = "4";
    tab.patterns.append(pattern);
    macro.tabs.append(tab);
    return macro;
}

std::string text(AcDbObjectId id, const char* name) {
    host::PropertyValue value;
    if (drawing().getProperty(id, name, value) != Acad::eOk) return "<none>";
    return std::get<std::string>(value);
}

int logCount(const char* action) {
    int count = 0;
    for (const host::DrawingLogEntry& entry : drawing().log()) count += entry.action == action;
    return count;
}

// Each test gets an empty drawing, its own library folder and no pick answers.
class MacroOperations : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"KV_LIB_DIR", "KV_LANGUAGE"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("KV_LIB_DIR", library_.text().c_str(), 1);
        unsetenv("KV_LANGUAGE");
        Kv_Texts::reload();
        drawing().reset();
        host::CommandLine::instance().clear();
        previousPicks_ = host::setPickSource(nullptr);
        clashSetStatus(true);
    }
    void TearDown() override {
        host::setPickSource(previousPicks_);
        for (auto& [name, value] : saved_) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
        Kv_Texts::reload();
    }
    // Picks answered in order: an id picks that object, 0 cancels.
    void answerPicks(std::vector<long long> answers) {
        host::setPickSource([answers, next = size_t(0)](const host::PickRequest&) mutable {
            host::PickAnswer answer;
            if (next < answers.size() && answers[next] != 0) {
                answer.picked = true;
                answer.object = AcDbObjectId::fromOldId(answers[next]);
            }
            ++next;
            return answer;
        });
    }

    TempFolder library_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
    host::PickSource previousPicks_;
};

}  // namespace

TEST_F(MacroOperations, AnEditUpdatesEveryInstanceOnceAndOnlyWhatChanged) {
    MacroData macro = plateMacro();
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    EXPECT_EQ(text(macro.ids[0], "cell.width"), "200.00");
    EXPECT_EQ(text(macro.ids[1], "bolt.diameter"), "M20");
    drawing().clearLog();

    const MacroTabData old = macro.tabs[0];
    macro.tabs[0].cells[0].value = "250.00";
    macro.tabs[0].cells[2].link = 33001;  // display state is no difference
    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    ASSERT_TRUE(macro.tabs[0].differences(old, names, changedA, changedB));
    EXPECT_EQ(names.length(), 1);
    EXPECT_EQ(names[0], "width");
    EXPECT_EQ(changedA, (Kv_Array<int>{MacroChange::kCells}));
    EXPECT_TRUE(changedB.isEmpty());

    ASSERT_TRUE(UpdateModule("base_plate", macro, changedA, changedB));
    EXPECT_FALSE(macro.busy);
    EXPECT_EQ(logCount("UpdateModule"), 2);
    EXPECT_EQ(logCount("set"), 2);  // the width of each instance, nothing else
    EXPECT_EQ(text(macro.ids[1], "cell.width"), "250.00");

    // No difference, no update.
    EXPECT_FALSE(macro.tabs[0].differences(macro.tabs[0], names, changedA, changedB));
    EXPECT_TRUE(changedA.isEmpty() && names.isEmpty());
    drawing().clearLog();
    EXPECT_TRUE(UpdateModule("base_plate", macro, changedA, changedB));
    EXPECT_TRUE(drawing().log().empty());
}

TEST_F(MacroOperations, AMissingInstanceFailsTheUpdateAndNothingIsWritten) {
    MacroData macro = plateMacro();
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    drawing().eraseObject(macro.ids[1]);
    drawing().clearLog();
    macro.tabs[0].bolt.diameter = "M24";
    EXPECT_FALSE(UpdateModule("base_plate", macro, {MacroChange::kBolt}, {}));
    EXPECT_TRUE(drawing().log().empty());
    EXPECT_EQ(text(macro.ids[0], "bolt.diameter"), "M20");
    macro.ids.append(AcDbObjectId::fromOldId(999));
    EXPECT_FALSE(macro.reApply());
}

TEST_F(MacroOperations, PickedInstancesThatDifferShowMixedValuesWhichAreNeverWritten) {
    MacroData macro = plateMacro();
    const AcDbObjectId first = addMacroInstance(macro, "base_plate");
    macro.tabs[0].cells[1].value = "350.00";
    macro.tabs[0].bolt.shopBolted = 1;
    const AcDbObjectId second = addMacroInstance(macro, "base_plate");
    const AcDbObjectId beam = drawing().addObject("Beam");
    MacroData other = plateMacro();
    other.tabs[0].moduleName = "end_plate";
    const AcDbObjectId foreign = addMacroInstance(other, "end_plate");

    // Nothing picked: nothing changes.
    answerPicks({0});
    const MacroData before = macro;
    EXPECT_FALSE(SelectOtherMacros(macro));
    EXPECT_EQ(macro, before);

    answerPicks({beam.asOldId(), first.asOldId(), foreign.asOldId(), first.asOldId(), second.asOldId(), 0});
    ASSERT_TRUE(SelectOtherMacros(macro));
    EXPECT_EQ(macro.ids.length(), 2);
    EXPECT_EQ(macro.moduleNames.length(), 1);
    EXPECT_NE(host::CommandLine::instance().text().find("*Invalid selection*"), std::string::npos);
    EXPECT_EQ(macro.tabs[0].cells[0].value, "200.00");
    EXPECT_EQ(macro.tabs[0].cells[1].value, macroMixedText());
    EXPECT_EQ(macro.tabs[0].bolt.shopBolted, -1);

    // Changing the width writes the width; the mixed height and flag stay as each had them.
    const MacroTabData old = macro.tabs[0];
    macro.tabs[0].cells[0].value = "220.00";
    macro.tabs[0].bolt.diameter = "M24";
    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    macro.tabs[0].differences(old, names, changedA, changedB);
    EXPECT_EQ(changedA, (Kv_Array<int>{MacroChange::kCells, MacroChange::kBolt}));
    ASSERT_TRUE(UpdateModule("base_plate", macro, changedA, changedB));
    EXPECT_EQ(text(first, "cell.width"), "220.00");
    EXPECT_EQ(text(first, "cell.height"), "300.00");
    EXPECT_EQ(text(second, "cell.height"), "350.00");
    EXPECT_EQ(text(first, "bolt.shopBolted"), "0");
    EXPECT_EQ(text(second, "bolt.shopBolted"), "1");
    EXPECT_EQ(text(second, "bolt.diameter"), "M24");
}

TEST_F(MacroOperations, FiltersSelectInstancesAndANegativeGroupIndexNamesNoGroup) {
    MacroData macro = plateMacro();
    std::vector<AcDbObjectId> made;
    for (const char* group : {"north", "south", "north"}) {
        made.push_back(addMacroInstance(macro, "base_plate"));
        drawing().setProperty(made.back(), "group", std::string(group));
    }
    drawing().setProperty(made[2], "filter", std::string("welded"));
    macro.groupKeys.append("north");
    macro.groupKeys.append("south");

    macro.groupIndex = -1;
    EXPECT_FALSE(macro.hasValidGroup());
    ASSERT_TRUE(UpdateAllFilterModified(macro, true));
    EXPECT_EQ(macro.ids.length(), 3);

    macro.groupIndex = 0;
    ASSERT_TRUE(UpdateAllFilterModified(macro, true));
    EXPECT_EQ(macro.ids.length(), 2);

    macro.filterNames.append("welded");
    macro.filterIndex = 0;
    ASSERT_TRUE(UpdateAllFilterModified(macro, false));
    ASSERT_EQ(macro.ids.length(), 1);
    EXPECT_EQ(macro.ids[0], made[2]);

    macro.groupIndex = 1;  // south has nothing welded: nothing changes
    EXPECT_FALSE(UpdateAllFilterModified(macro, true));
    EXPECT_EQ(macro.ids[0], made[2]);
}

TEST_F(MacroOperations, MacroDifferencesListChangedTabsAndDroppedOnes) {
    MacroData macro = plateMacro();
    MacroTabData stiffener;
    stiffener.moduleName = "base_plate";
    stiffener.cells.append(cell("rib_t", "10"));
    stiffener.flexFixGroups.append(MacroFlexFixGroup{});
    stiffener.flexFixGroups[0].name = "ribs";
    stiffener.flexFixGroups[0].members.append(MacroFlexFixMember{});
    stiffener.flexFixGroups[0].members[0].name = "gap";
    macro.tabs.append(stiffener);
    const MacroData old = macro;
    macro.tabs[1].flexFixGroups[0].members[0].fixed = 0;
    macro.tabs[1].cells[0].value = "12";

    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    ASSERT_TRUE(macro.differences(old, names, changedA, changedB));
    EXPECT_EQ(changedA, (Kv_Array<int>{MacroChange::kCells, MacroChange::kFlexFixGroups}));
    EXPECT_EQ(changedB, (Kv_Array<int>{1}));
    EXPECT_EQ(names[0], "rib_t");

    MacroData shorter = macro;
    shorter.tabs.removeAt(1);
    ASSERT_TRUE(shorter.differences(old, names, changedA, changedB));
    EXPECT_TRUE(changedA.containsValue(MacroChange::kDropped));
    EXPECT_EQ(removeAll(changedA, MacroChange::kDropped), 1);
    EXPECT_FALSE(changedA.containsValue(MacroChange::kDropped));
}

TEST_F(MacroOperations, ValuesFilesLoadWhatTheyCanAndCountEachBadLine) {
    MacroData macro = plateMacro();
    macro.tabs[0].patterns[0].direction1.distances.append("80");
    macro.tabs[0].patterns[0].direction1.distances.append("a\tb");
    Kv_String name;
    ASSERT_TRUE(macro.propListAllowed(name));
    EXPECT_EQ(name, "base_plate");
    ASSERT_TRUE(macro.writeToFile("mine"));

    MacroData changed = plateMacro();
    changed.tabs[0].cells[0].value = "999";
    int errors = -1;
    ASSERT_TRUE(changed.readFromFile("mine", errors));
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(changed, macro);

    // Three bad lines among good ones: a broken escape, an unknown value, a flag that is no
    // number.  The good values load.
    std::string bytes;
    const Kv_String path = Kv_String(library_.text()) + "Macro Values/mine" + MacroData::kValuesExtension;
    ASSERT_TRUE(ObjectExportReadBytes(path, bytes));
    bytes +=
        "base_plate\tcell.width\t\\q\r\nbase_plate\tcell.depth\t5\r\n"
        "base_plate\tbolt.tapped\tyes\r\nbase_plate\tcell.height\t123.00\r\n";
    ASSERT_TRUE(ObjectExportWriteBytes(path, bytes));
    MacroData loaded = plateMacro();
    ASSERT_TRUE(loaded.readFromFile("mine", errors));
    EXPECT_EQ(errors, 3);
    EXPECT_EQ(loaded.tabs[0].cells[1].value, "123.00");
    EXPECT_EQ(loaded.tabs[0].bolt.tapped, 0);

    // An unreadable file, and a file that is no values file: one error, nothing changes.
    for (const char* file : {"missing", "notvalues"}) {
        ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(library_.text()) + "Macro Values/notvalues.mvl", "width\t3\r\n"));
        MacroData untouched = plateMacro();
        EXPECT_FALSE(untouched.readFromFile(file, errors)) << file;
        EXPECT_EQ(errors, 1) << file;
        EXPECT_EQ(untouched, plateMacro()) << file;
    }
}

TEST_F(MacroOperations, ALoadedFileReachesEveryInstanceOfEveryModule) {
    // The load of the macro dialog: keep the old values, read, take the differences without
    // the dropped entries, and set them all to the macro.
    MacroData macro = plateMacro();
    MacroTabData end = macro.tabs[0];
    end.moduleName = "end_plate";
    macro.tabs.append(end);
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    macro.ids.append(addMacroInstance(macro, "end_plate"));
    MacroData saved = macro;
    saved.tabs[0].cells[0].value = "180.00";
    saved.tabs[1].bolt.diameter = "M16";
    ASSERT_TRUE(saved.writeToFile("both"));

    const MacroData old = macro;
    int errors = -1;
    ASSERT_TRUE(macro.readFromFile("both", errors));
    Kv_StringArray names;
    Kv_Array<int> changedA, changedB;
    ASSERT_TRUE(macro.differences(old, names, changedA, changedB));
    removeAll(changedA, MacroChange::kDropped);
    EXPECT_EQ(changedB, (Kv_Array<int>{0, 1}));
    drawing().clearLog();
    ASSERT_TRUE(setAllToMacro(macro, changedA, changedB));
    EXPECT_EQ(text(macro.ids[0], "cell.width"), "180.00");
    EXPECT_EQ(text(macro.ids[1], "bolt.diameter"), "M16");
    EXPECT_EQ(text(macro.ids[1], "cell.width"), "200.00");
    EXPECT_EQ(logCount("UpdateModule"), 2);
}

TEST_F(MacroOperations, OptionButtonsAreFoundByTheirIdsUntilTheLinksAreCleared) {
    MacroTabData tab = plateMacro().tabs[0];
    tab.patterns[0].buttonLink = 33012;
    tab.arrays.append(DynArrayData{});
    tab.arrays[0].buttonLink = 33013;
    tab.arrays[0].value1Link = -3;
    tab.cells[1].link = 33002;
    tab.bolt.diameterLink = 33005;
    EXPECT_EQ(tab.findPatternWithBtnId(33012), 0);
    EXPECT_EQ(tab.findArrayWithBtnId(33013), 0);
    EXPECT_EQ(tab.findArrayWithBtnId(33012), -1);
    EXPECT_EQ(tab.findCell("height"), 1);
    tab.removeAllDlgReferences();
    EXPECT_EQ(tab.findPatternWithBtnId(33012), -1);
    EXPECT_EQ(tab.findArrayWithBtnId(33013), -1);
    EXPECT_EQ(tab.arrays[0].value1Link, 0);
    EXPECT_EQ(tab.cells[1].link, 0);
    EXPECT_EQ(tab.bolt.diameterLink, 0);
}

TEST_F(MacroOperations, PropFilesListEveryFileAndThoseOfThisMacro) {
    MacroData macro = plateMacro();
    ASSERT_TRUE(macro.writeToFile("plate b"));
    ASSERT_TRUE(macro.writeToFile("plate a"));
    MacroData other = plateMacro();
    other.tabs[0].moduleName = "end_plate";
    ASSERT_TRUE(other.writeToFile("end"));
    Kv_String folder, extension;
    Kv_StringArray all, mine;
    macro.getPropFiles(folder, extension, all, mine);
    EXPECT_EQ(extension, ".mvl");
    EXPECT_TRUE(ObjectExportFileExists(folder + "plate a" + extension));
    ASSERT_EQ(all.length(), 3);
    ASSERT_EQ(mine.length(), 2);
    EXPECT_EQ(mine[0], "plate a");
    EXPECT_EQ(mine[1], "plate b");

    MacroData empty;
    Kv_String defaultName = "kept";
    EXPECT_FALSE(empty.propListAllowed(defaultName));
    EXPECT_EQ(defaultName, "kept");
}

TEST_F(MacroOperations, AFailedWriteSaysSoOnTheCommandLine) {
    // A folder where the file should be: the new file cannot take its place.
    std::filesystem::create_directories(library_.path() / "Macro Values" / "blocked.mvl" / "inside");
    EXPECT_FALSE(plateMacro().writeToFile("blocked"));
    EXPECT_NE(host::CommandLine::instance().text().find(string(20190).str()), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(library_.path() / "Macro Values" / "blocked.mvl" / "inside"));
}

TEST_F(MacroOperations, TheDrawingListStaysInsideTheLibraryFolder) {
    ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(library_.text()) + "Anchors/hook.dwg", "x"));
    ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(library_.text()) + "Anchors/bent.dwg", "x"));
    ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(library_.text()) + "Anchors/notes.txt", "x"));
    Kv_StringArray names;
    ASSERT_TRUE(getDrawingListNames("Anchors", names));
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[0], "bent");
    for (const char* outside : {"..", "Anchors\\..\\..", "../Anchors", "/tmp", "\\Anchors", "C:\\Anchors", ""}) {
        EXPECT_FALSE(getDrawingListNames(outside, names)) << outside;
        EXPECT_TRUE(names.isEmpty()) << outside;
    }

    MacroData macro = plateMacro();
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    EXPECT_FALSE(swapBlockRefs(macro, "base_plate", "Anchors\\..\\..\\hook.dwg"));
    EXPECT_FALSE(swapBlockRefs(macro, "base_plate", "Anchors\\missing.dwg"));
    EXPECT_FALSE(swapBlockRefs(macro, "end_plate", "Anchors\\hook.dwg"));
    EXPECT_EQ(text(macro.ids[0], "blockRef"), "<none>");
    ASSERT_TRUE(swapBlockRefs(macro, "base_plate", "Anchors\\hook.dwg"));
    EXPECT_EQ(text(macro.ids[0], "blockRef"), "Anchors\\hook.dwg");
}

TEST_F(MacroOperations, FlexButtonsKeepOneFlexibleMemberPerGroup) {
    MacroTabData tab;
    MacroFlexFixGroup group;
    group.name = "lengths";
    for (const char* name : {"a", "b", "c"}) {
        MacroFlexFixMember member;
        member.name = name;
        group.members.append(member);
    }
    group.members[0].fixed = 0;
    tab.flexFixGroups.append(group);
    auto fixedFlags = [&] {
        Kv_Array<int> flags;
        for (const MacroFlexFixMember& member : tab.flexFixGroups[0].members) flags.append(member.fixed);
        return flags;
    };
    EXPECT_TRUE(tab.flexFixBtnClicked("lengths", "c", true));
    EXPECT_EQ(fixedFlags(), (Kv_Array<int>{1, 1, 0}));
    EXPECT_FALSE(tab.flexFixBtnClicked("lengths", "c", true));  // nothing changes
    EXPECT_TRUE(tab.flexFixBtnClicked("lengths", "c", false));  // round to the first
    EXPECT_EQ(fixedFlags(), (Kv_Array<int>{0, 1, 1}));
    EXPECT_FALSE(tab.flexFixBtnClicked("lengths", "d", true));
    EXPECT_FALSE(tab.flexFixBtnClicked("widths", "a", true));
}

TEST_F(MacroOperations, MergedProfilePropertiesMixWhatDiffersAndWriteOnlyWhatIsSet) {
    MacroTabData tab;
    for (long long id : {11, 12, 13}) {
        MacroProfData prof;
        prof.group = id == 13 ? "Beam" : "Column";
        prof.id = AcDbObjectId::fromOldId(id);
        prof.profile = id == 12 ? "HEA\\HEA220" : "HEA\\HEA200";
        prof.rotation = "90\xB0";
        prof.offsetType = id == 12 ? 2 : 1;
        tab.profiles.append(prof);
    }
    tab.profiles[1].optionButtonLink = 33007;
    EXPECT_EQ(tab.getProfGroups().length(), 2);
    EXPECT_EQ(tab.getProfIdsOfGroup("Column").length(), 2);
    EXPECT_EQ(tab.getProfDataIndx(AcDbObjectId::fromOldId(13)), 2);
    EXPECT_EQ(tab.findProfDataWithButtonId(33007, true), 1);
    EXPECT_EQ(tab.findProfDataWithButtonId(0, false), -1);
    EXPECT_FALSE(tab.advBtnForEveryGroup());

    MacroProfData merged;
    ASSERT_TRUE(tab.getMergedPropsOfGroup("Column", merged));
    EXPECT_EQ(merged.profile, macroMixedText());
    EXPECT_EQ(merged.rotation, "90\xB0");
    EXPECT_TRUE(merged.offsetMixed);
    EXPECT_FALSE(tab.getMergedPropsOfGroup("Brace", merged));

    merged.rotation = "180\xB0";
    ASSERT_TRUE(tab.setMergedPropsOfGroup("Column", merged));
    EXPECT_EQ(tab.profiles[0].profile, "HEA\\HEA200");
    EXPECT_EQ(tab.profiles[1].profile, "HEA\\HEA220");
    EXPECT_EQ(tab.profiles[1].rotation, "180\xB0");
    EXPECT_EQ(tab.profiles[1].offsetType, 2);
    EXPECT_EQ(tab.profiles[2].rotation, "90\xB0");
}

TEST_F(MacroOperations, ClashesAreReportedOnceWhileTheCheckIsOn) {
    MacroData macro = plateMacro();
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    drawing().setProperty(macro.ids[0], "minPoint", host::Point3d{0, 0, 0});
    drawing().setProperty(macro.ids[0], "maxPoint", host::Point3d{10, 10, 10});
    drawing().addObject("Beam", {{"minPoint", host::Point3d{5, 5, 5}}, {"maxPoint", host::Point3d{20, 6, 6}}});
    drawing().addObject("Beam", {{"minPoint", host::Point3d{10, 0, 0}}, {"maxPoint", host::Point3d{20, 10, 10}}});
    drawing().addObject("Note");
    clashInitDlgStarted(-1);
    drawing().clearLog();
    EXPECT_EQ(clashcheck(-1, macro.ids), 1);  // touching faces are no clash
    EXPECT_EQ(clashcheck(-1, macro.ids), 1);
    EXPECT_EQ(logCount("clash"), 1);
    clashResetInfo(-1, macro.ids);
    clashcheck(-1, macro.ids);
    EXPECT_EQ(logCount("clash"), 2);

    clashSetStatus(false);
    bool on = true;
    clashGetStatus(on);
    EXPECT_FALSE(on);
    EXPECT_EQ(clashcheck(-1, macro.ids), 0);
    clashDlgClosed(-1);
}

TEST_F(MacroOperations, ViewsAndReApplyReachTheInstances) {
    MacroData macro = plateMacro();
    macro.ids.append(addMacroInstance(macro, "base_plate"));
    drawing().setProperty(macro.ids[0], "cell.width", std::string("1.00"));
    drawing().clearLog();
    EXPECT_TRUE(macro.changeView("base_plate", 3));
    EXPECT_FALSE(macro.changeView("base_plate", 4));
    EXPECT_FALSE(macro.changeView("end_plate", 0));
    EXPECT_EQ(drawing().log().back().name, "previous");
    ASSERT_TRUE(macro.reApply());
    EXPECT_EQ(text(macro.ids[0], "cell.width"), "200.00");
    int index = -1;
    EXPECT_TRUE(macro.findTab("Base plate", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(macro.findTab("base plate", index));
}

TEST(MacroBoltTable, TheBundledLibraryListsCompositionsAndTheirDiameters) {
    const char* source = std::getenv("KV_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const char* saved = std::getenv("KV_LIB_DIR");
    const std::optional<std::string> previous = saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("KV_LIB_DIR", (std::string(source) + "/library/").c_str(), 1);
    Kv_StringArray assemblies, diameters;
    EXPECT_TRUE(GetAssemblies(assemblies));
    EXPECT_TRUE(assemblies.contains("8.8 hexagon"));
    EXPECT_TRUE(GetDiameters("10.9 preloaded", diameters));
    EXPECT_TRUE(diameters.contains("M36"));
    EXPECT_FALSE(GetDiameters("8.8 Hexagon", diameters));
    EXPECT_TRUE(diameters.isEmpty());
    if (previous)
        setenv("KV_LIB_DIR", previous->c_str(), 1);
    else
        unsetenv("KV_LIB_DIR");
}

TEST(MacroCalculator, TotalsAndTheFirstValueForAWantedTotal) {
    MacroCalculation calc;
    calc.base = 100;
    calc.first = 20;
    calc.second = 5;
    calc.secondNegated = true;
    double total = 0, first = 0;
    ASSERT_TRUE(macroCalcTotal(calc, total));
    EXPECT_DOUBLE_EQ(total, 115);
    ASSERT_TRUE(macroCalcFirstFor(calc, 150, first));
    EXPECT_DOUBLE_EQ(first, 55);
    calc.firstNegated = true;
    ASSERT_TRUE(macroCalcFirstFor(calc, 150, first));
    EXPECT_DOUBLE_EQ(first, -55);

    calc = MacroCalculation{};
    calc.base = 10;
    calc.first = 30;
    calc.byFactor = true;
    calc.second = 3;
    ASSERT_TRUE(macroCalcTotal(calc, total));
    EXPECT_DOUBLE_EQ(total, 20);
    ASSERT_TRUE(macroCalcFirstFor(calc, 40, first));
    EXPECT_DOUBLE_EQ(first, 90);
    // A factor of 0 (an empty field reads as 0) does nothing.
    calc.second = Kv_String("").toDouble();
    total = first = -1;
    EXPECT_FALSE(macroCalcTotal(calc, total));
    EXPECT_FALSE(macroCalcFirstFor(calc, 40, first));
    EXPECT_EQ(total, -1);
    EXPECT_EQ(first, -1);

    Kv_String name;
    bool negated = false;
    splitCalcName("-rib_gap", name, negated);
    EXPECT_EQ(name, "rib_gap");
    EXPECT_TRUE(negated);
}
