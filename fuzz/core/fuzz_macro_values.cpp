// Any bytes read as a macro values file: never a crash; a refused text counts one error and
// leaves the macro as it was; whatever loads writes back and reads again, without errors, to
// the same macro.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/records/macro_data.h"

namespace {

// One tab with an element of every kind, so that every kind of value can be hit.
MacroData sampleMacro() {
    MacroData macro;
    MacroTabData tab;
    tab.kind = 1;
    tab.moduleName = "m";
    tab.dwgListEnabled = true;
    for (const char* name : {"a", "b"}) {
        MacroCell cell;
        cell.name = name;
        tab.cells.append(cell);
    }
    tab.patterns.append(MacroPatternProps{});
    tab.patterns[0].name = "p";
    tab.bolt.slots.append(MacroBoltSlot{});
    tab.profiles.append(MacroProfData{});
    tab.profiles[0].group = "g";
    tab.segmentedProfiles.append(MacroProfSegmentedData{});
    tab.segmentedProfiles[0].name = "s";
    tab.arrays.append(DynArrayData{});
    tab.arrays[0].name = "r";
    tab.cuts.append(MacroCutData{});
    tab.cuts[0].name = "c";
    tab.flexFixGroups.append(MacroFlexFixGroup{});
    tab.flexFixGroups[0].name = "f";
    tab.flexFixGroups[0].members.append(MacroFlexFixMember{});
    tab.flexFixGroups[0].members[0].name = "x";
    macro.tabs.append(tab);
    return macro;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MacroData sample = sampleMacro();
    MacroData loaded = sample;
    int errors = -1;
    if (!loaded.readValuesText(std::string_view(reinterpret_cast<const char*>(data), size), errors)) {
        if (errors != 1 || !(loaded == sample)) std::abort();
        return 0;
    }
    if (errors < 0) std::abort();
    MacroData again = loaded;
    if (!again.readValuesText(loaded.valuesText(), errors) || errors != 0 || !(again == loaded)) std::abort();
    return 0;
}
