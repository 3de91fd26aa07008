// The macro input dialog on a big macro: 10 pages of 50 controls each (8 of them section lists
// on one family) and 50 listed cells per page, and a profile page of 8 groups on the same
// family (its fixed block shows one group's section list).  One finished edit applies its page
// and refreshes every page; measured with a family of 2,000 sizes and of 20.  The edit is a
// field typed on the first page (then Tab), or an offset type chosen on the profile page.
// Counter "updates": drawing updates per edit (1 expected; the edit alternates two values).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/kv_texts.h"
#include "core/macro_instances.h"
#include "core/records/macro_data.h"
#include "designer/kv_dlg_designer_data.h"
#include "frame/module_frame.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/system_registry.h"
#include "kv_source_dir.h"
#include "macro/dlg_macro_modeless.h"
#include "macro/macro_ids.h"
#include "macro/prof_page_ids.h"
#include "sections/kv_prof_values_table.h"
#include "temp_folder.h"
#include "win/input.h"
#include "win/registry.h"
#include "win/system.h"

namespace {

constexpr int kPages = 10;
constexpr int kSectionLists = 8;
constexpr int kFields = 41;         // with the title and the section lists: 50 controls
constexpr int kListedCells = 50;    // per page: 500 in all
constexpr int kFirstField = 33001;  // template control ids run from 33000 in file order
constexpr int kProfileGroups = 8;

// A scratch copy of the library for the whole run, removed at exit.
class ScratchLibrary {
public:
    ScratchLibrary() {
        root_ = scratch_.path();
        std::filesystem::copy(kvSourceDir() + "/library", root_ / "library", std::filesystem::copy_options::recursive);
        setenv("KV_LIB_DIR", (root_.string() + "/library/").c_str(), 1);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        setenv("KV_LANGUAGE", "en", 1);
        Kv_Texts::reload();
        for (int page = 0; page < kPages; ++page) writeTemplate(page);
    }
    std::filesystem::path root() const { return root_; }

private:
    void writeTemplate(int page) const {
        // The template's picture gives the page its size: the sample's picture serves for all.
        const std::filesystem::path folder = root_ / "library" / "Dialog Templates" / "Dialog Design";
        std::filesystem::copy_file(folder / "Base Plate.bmp", folder / (templateStem(page) + ".bmp"));
        std::ofstream out(folder / (templateStem(page) + ".txt"));
        out << "KvPropertiesList 1\nint\tnrOfControls\t" << 1 + kSectionLists + kFields << "\n";
        // Title, then the fields, then the section lists, on a grid of 5 columns and 10 rows.
        for (int c = 0; c < 1 + kFields + kSectionLists; ++c) {
            int type = 2;
            std::string contents = "FIELD_" + std::to_string(c - 1);
            if (c == 0) {
                type = 0;
                contents = "Page ";
                contents += std::to_string(page);
            } else if (c > kFields) {
                type = 13;
                contents = "G" + std::to_string(c - kFields - 1);
            }
            const double x = (c % 5) * 0.2 + 0.01, y = (c / 5) * 0.1 + 0.01;
            out << "int\ttype" << c << "\t" << type << "\n"
                << "double\ttopLeftX" << c << "\t" << x << "\ndouble\ttopLeftY" << c << "\t" << y << "\n"
                << "double\tbottomRightX" << c << "\t" << x + 0.18 << "\ndouble\tbottomRightY" << c << "\t" << y + 0.07
                << "\n"
                << "string\tcontents" << c << "\t" << contents << "\nstring\tcomboList" << c << "\t\n";
        }
    }

    TempFolder scratch_;
    std::filesystem::path root_;

public:
    static std::string templateStem(int page) { return "Bench Page " + std::to_string(page); }
};

const ScratchLibrary& library() {
    static ScratchLibrary folder;
    return folder;
}

// A family table FAMn of n sizes (one in seven not offered) in the scratch library.
Kv_String writeFamily(int sizes) {
    Kv_ProfValuesTable table;
    const Kv_String name = Kv_String("FAM") + Kv_String(sizes);
    table.tableName = name;
    table.description = "1";
    table.columnNames = {"SysName", "I/O",           "English",          "Nederlands", "Height",
                         "Width",   "Web thickness", "Flange thickness", "Radius"};
    for (int i = 0; i < sizes; ++i) {
        const Kv_String size(i + 80);
        table.rows.append({name + size, i % 7 == 3 ? "0" : "1", Kv_String("FAM ") + size, Kv_String("FAM ") + size,
                           size, Kv_String(i * 0.5 + 46, 1), "5.6", "8.5", "12"});
    }
    table.writeToFile(name + ".pr");
    return name + "-" + name + Kv_String(80 + sizes / 2);
}

MacroCell numberCell(const std::string& name, int value) {
    MacroCell cell;
    cell.name = name;
    cell.value = Kv_String(value);
    cell.type = MacroCell::kNumber;
    return cell;
}

MacroData bigMacro(const Kv_String& section) {
    MacroData macro;
    macro.caption = "Benchmark macro";
    macro.moduleNames = {"BasePlate"};
    macro.groupNames = {"All"};
    macro.groupKeys = {"ALL"};
    macro.filterNames = {"Everything"};
    for (int page = 0; page < kPages; ++page) {
        MacroTabData tab;
        tab.kind = 0;
        tab.moduleName = "BasePlate";
        tab.title = Kv_String("Page ") + Kv_String(page);
        tab.templateFile = getDesignerRootFolder() + (ScratchLibrary::templateStem(page) + ".txt").c_str();
        for (int f = 0; f < kFields; ++f) tab.cells.append(numberCell("FIELD_" + std::to_string(f), 100 + f));
        for (int l = 0; l < kListedCells; ++l) tab.cells.append(numberCell("LISTED_" + std::to_string(l), l));
        for (int g = 0; g < kSectionLists; ++g) {
            MacroProfData profile;
            profile.group = Kv_String("G") + Kv_String(g);
            profile.profile = section;
            profile.rotation = "0\xB0";
            tab.profiles.append(profile);
        }
        macro.tabs.append(tab);
    }
    MacroTabData profiles;
    profiles.kind = 2;
    profiles.moduleName = "BasePlate";
    profiles.title = "Profiles";
    for (int g = 0; g < kProfileGroups; ++g)
        for (int member = 0; member < 2; ++member) {
            MacroProfData profile;
            profile.group = Kv_String("P") + Kv_String(g);
            profile.profile = section;
            profile.rotation = "0\xB0";
            profiles.profiles.append(profile);
        }
    macro.tabs.append(profiles);
    return macro;
}

// What a person does for one edit, given the number of edits before.
using Edit = void (*)(win::ScriptedInput& person, int edits);

void typeField(win::ScriptedInput& person, int edits) {
    person.click(IDD_MACRO_TAB_PAGE, kFirstField);
    person.key(IDD_MACRO_TAB_PAGE, VK_END);
    for (int i = 0; i < 3; ++i) person.key(IDD_MACRO_TAB_PAGE, VK_BACK);
    person.type(IDD_MACRO_TAB_PAGE, edits % 2 ? "100" : "250");
    person.key(IDD_MACRO_TAB_PAGE, VK_TAB);
}

void chooseOffsetType(win::ScriptedInput& person, int edits) {
    person.choose(IDD_MACRO_PROF_PAGE, IDC_PROF_OFFSET, edits % 2 ? 0 : 1);
}

void runEdits(benchmark::State& state, const Kv_String& startTab, Edit edit) {
    library();
    const Kv_String section = writeFamily(static_cast<int>(state.range(0)));
    win::resetWindowSystem();
    acrxResetSysRegistry();
    host::CommandLine::instance().clear();
    win::setRegistryFile((library().root() / "registry.json").string());
    DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr);
    host::DrawingDatabase::instance().reset();
    MacroData macro = bigMacro(section);
    macro.startTab = startTab;
    macro.ids.append(addMacroInstance(macro, "BasePlate"));
    int id = -1;
    if (!StartDlgMacroModeless(true, macro, id)) {
        state.SkipWithError("the dialog did not open");
    } else {
        int edits = 0;
        host::DrawingDatabase::instance().clearLog();
        for (auto _ : state) {
            win::ScriptedInput person;
            win::setInputSource(&person);
            edit(person, edits);
            person.runModeless();
            win::setInputSource(nullptr);
            if (person.failed()) {
                state.SkipWithError(person.failure().c_str());
                break;
            }
            ++edits;
        }
        const std::string log = host::DrawingDatabase::instance().logText();
        int updates = 0;
        for (std::size_t at = log.find("UpdateModule"); at != std::string::npos; at = log.find("UpdateModule", at + 1))
            ++updates;
        state.counters["updates"] = edits ? static_cast<double>(updates) / edits : 0.0;
        EndDlgMacroModeless(id);
    }
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    win::resetWindowSystem();
    win::setRegistryFile("");
}

void BM_ApplyWithRefresh(benchmark::State& state) { runEdits(state, "", typeField); }
void BM_ProfilePageApply(benchmark::State& state) { runEdits(state, "Profiles", chooseOffsetType); }

}  // namespace

BENCHMARK(BM_ApplyWithRefresh)
    ->Arg(2000)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ProfilePageApply)
    ->Arg(2000)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
