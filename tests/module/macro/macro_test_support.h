#pragma once
// What every macro dialog test needs: a scratch copy of the sample library (value files are
// written there), the bundled English texts, a registry file of its own, an empty drawing with
// the macro instances the tests edit, and a sample macro of three tabs on the bundled
// templates.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "core/records/macro_data.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame_test_support.h"
#include "host/drawing_database.h"
#include "kv_source_dir.h"
#include "macro/dlg_macro.h"
#include "macro/macro_ids.h"
#include "temp_folder.h"
#include "win/readback.h"
#include "win/registry.h"

class MacroDialogTest : public FrameTest {
protected:
    void SetUp() override {
        std::filesystem::copy(kvSourceDir() + "/library", library_.path() / "library",
                              std::filesystem::copy_options::recursive);
        setenv("KV_LIB_DIR", (library_.text() + "library/").c_str(), 1);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        setenv("KV_LANGUAGE", "en", 1);
        Kv_Texts::reload();
        FrameTest::SetUp();
        host::DrawingDatabase::instance().reset();
        const MacroData macro = sampleMacro();
        instance_ = addMacroInstance(macro, "BasePlate");
        otherInstance_ = addMacroInstance(macro, "BasePlate");
        host::DrawingDatabase::instance().clearLog();
    }
    void prepareHost() override { win::setRegistryFile(library_.file("registry.json")); }
    void releaseHost() override { win::setRegistryFile(""); }
    void TearDown() override {
        FrameTest::TearDown();
        host::DrawingDatabase::instance().reset();
        unsetenv("KV_LIB_DIR");
        unsetenv("KV_DIR");
        unsetenv("KV_LANGUAGE");
    }

    // The plate template (in the scratch library) gets a ninth control, id 33008, of this type
    // naming this element, at the same place whatever it is.
    void addNinthControlToPlateTemplate(int type, const std::string& name) const {
        const std::filesystem::path file =
            library_.path() / "library" / "Dialog Templates" / "Dialog Design" / "Base Plate.txt";
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        std::string contents = text.str();
        const std::string count = "int\tnrOfControls\t8";
        contents.replace(contents.find(count), count.size(), "int\tnrOfControls\t9");
        if (contents.back() != '\n') contents += '\n';
        contents += "int\ttype8\t" + std::to_string(type) +
                    "\ndouble\ttopLeftX8\t0.6\ndouble\ttopLeftY8\t0.2\ndouble\tbottomRightX8\t0.8\n"
                    "double\tbottomRightY8\t0.26\nstring\tcontents8\t" +
                    name + "\nstring\tcomboList8\t\n";
        std::ofstream(file) << contents;
    }

    static MacroCell cell(const char* name, const char* value, int type = MacroCell::kNumber, bool readOnly = false) {
        MacroCell c;
        c.name = name;
        c.value = value;
        c.type = type;
        c.readOnly = readOnly;
        return c;
    }

    // Base Plate (kind 1, bolt row), Stiffener (flex buttons), and a tab without template.
    MacroData sampleMacro() const {
        MacroData macro;
        macro.caption = "Base plate connection";
        if (!instance_.isNull()) macro.ids.append(instance_);
        macro.moduleNames = {"BasePlate"};
        macro.groupNames = {"All", "Plates"};
        macro.groupKeys = {"ALL", "PLATES"};
        macro.filterNames = {"Everything"};
        MacroTabData plate;
        plate.kind = 1;
        plate.moduleName = "BasePlate";
        plate.title = "Plate";
        plate.templateFile = getDesignerRootFolder() + "Base Plate.txt";
        plate.cells = {cell("PLATE_W", "200"), cell("PLATE_H", "300"),
                       cell("PLATE_T", "15"),  cell("GROUT", "1", MacroCell::kCheckBox),
                       cell("WELD_A", "6"),    cell("FINISH", "galvanised", MacroCell::kText)};
        MacroPatternProps bolts;
        bolts.name = "BOLTS_X";
        bolts.value = "2";
        plate.patterns.append(bolts);
        bolts.name = "BOLTS_Y";
        bolts.value = "80";
        bolts.count = "2";
        plate.patterns.append(bolts);
        plate.bolt.composition = "M-8.8";
        plate.bolt.diameter = "20";
        MacroTabData stiffener;
        stiffener.kind = 0;
        stiffener.moduleName = "BasePlate";
        stiffener.title = "Stiffener";
        stiffener.templateFile = getDesignerRootFolder() + "Stiffener.txt";
        stiffener.cells = {cell("STIFF_T", "10"), cell("STIFF_W", "120"), cell("WELD", "5", MacroCell::kEditableList)};
        MacroFlexFixGroup side;
        side.name = "side";
        MacroFlexFixMember member;
        member.name = "BOTH_SIDES";
        member.fixed = 0;
        side.members.append(member);
        member.name = "ONE_SIDE";
        member.fixed = 1;
        side.members.append(member);
        stiffener.flexFixGroups.append(side);
        MacroTabData anchors;
        anchors.kind = 3;
        anchors.moduleName = "BasePlate";
        anchors.title = "Anchors";
        anchors.cells = {cell("ANCHOR_L", "400"), cell("ANCHOR_TYPE", "hook", MacroCell::kText)};
        macro.tabs = {plate, stiffener, anchors};
        return macro;
    }

    // The control of a page (the one in front) or of the dialog, as a person sees it.
    static win::WindowInfo pageControl(int id) {
        return win::describeWindow(win::findControl(win::findOpenDialog(IDD_MACRO_TAB_PAGE), id));
    }
    static win::WindowInfo dialogControl(int id) {
        return win::describeWindow(GetDlgItem(win::findOpenDialog(IDD_MACRO), id));
    }
    static std::string log() { return host::DrawingDatabase::instance().logText(); }

    TempFolder library_;
    AcDbObjectId instance_, otherInstance_;
};
