// Macro instances: drawing objects holding a module name and values.
#include "core/macro_instances.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/kv_settings.h"
#include "core/file_layer.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "host/picks.h"
#include "macro_value_fields.h"
#if KV_CORE_HAS_WINDOWS
#include "win/winuser.h"
#endif

namespace {

host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

unsigned busyHold = 0;  // setMacroBusyHold

// The window system's clock; without windows there is no clock and no hold.
unsigned long clockNow() {
#if KV_CORE_HAS_WINDOWS
    return GetTickCount();
#else
    return 0;
#endif
}

std::optional<std::string> textProperty(AcDbObjectId id, const std::string& name) {
    host::PropertyValue value;
    if (drawing().getProperty(id, name, value) != Acad::eOk) return std::nullopt;
    if (const std::string* text = std::get_if<std::string>(&value)) return *text;
    return std::nullopt;
}

// The instances of ids that hold the module, or nullopt when an id names no live instance.
std::optional<std::vector<AcDbObjectId>> instancesOf(const MacroData& macro, const Kv_String& moduleName) {
    std::vector<AcDbObjectId> found;
    for (const AcDbObjectId& id : macro.ids) {
        Kv_String module;
        if (!isMacroInstance(id, &module)) return std::nullopt;
        if (module == moduleName) found.push_back(id);
    }
    return found;
}

bool tabListed(const Kv_Array<int>& tabs, int index) { return tabs.isEmpty() || tabs.containsValue(index); }

// A path below the library folder: relative, without a ".." component.
bool staysInLibrary(const Kv_String& path) {
    const std::string& text = path.str();
    if (text.empty() || text.front() == '\\' || text.front() == '/') return false;
    if (text.size() > 1 && text[1] == ':') return false;  // a drive letter
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of("\\/", start);
        const std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part == "..") return false;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

}  // namespace

AcDbObjectId addMacroInstance(const MacroData& macro, const Kv_String& moduleName) {
    host::PropertyMap properties;
    properties.emplace("module", moduleName.str());
    MacroData copy = macro;
    for (MacroTabData& tab : copy.tabs) {
        if (tab.moduleName != moduleName) continue;
        for (const macro_values::Field& field : macro_values::fieldsOf(tab))
            if (!(field.isMixed && field.isMixed())) properties.emplace(field.name, macro_values::encode(field.get()));
    }
    return drawing().addObject(kMacroInstanceType, std::move(properties));
}

bool isMacroInstance(AcDbObjectId id, Kv_String* moduleName) {
    const host::DrawingObject* object = drawing().object(id);
    if (!object || object->erased || object->type != kMacroInstanceType) return false;
    if (moduleName) *moduleName = Kv_String(textProperty(id, "module").value_or(std::string()));
    return true;
}

void loadInstanceValues(MacroData& macro) {
    for (MacroTabData& tab : macro.tabs) {
        std::vector<AcDbObjectId> instances;
        for (const AcDbObjectId& id : macro.ids) {
            Kv_String module;
            if (isMacroInstance(id, &module) && module == tab.moduleName) instances.push_back(id);
        }
        for (const macro_values::Field& field : macro_values::fieldsOf(tab)) {
            std::optional<Kv_StringArray> agreed;
            bool differ = false;
            for (const AcDbObjectId& id : instances) {
                const std::optional<std::string> stored = textProperty(id, field.name);
                Kv_StringArray value;
                if (!stored || !macro_values::decode(*stored, value)) continue;
                if (!agreed)
                    agreed = value;
                else if (!(*agreed == value))
                    differ = true;
            }
            if (!agreed) continue;
            if (differ && field.setMixed)
                field.setMixed();
            else
                field.set(*agreed);
        }
    }
}

bool UpdateModule(const Kv_String& moduleName, MacroData& macro, const Kv_Array<int>& changedA,
                  const Kv_Array<int>& changedB) {
    if (changedA.isEmpty()) return true;  // no kind changed: nothing to write
    const std::optional<std::vector<AcDbObjectId>> instances = instancesOf(macro, moduleName);
    if (!instances) return false;
    macro.busy = true;
    // The values to write, gathered once for all instances.
    std::vector<std::pair<std::string, std::string>> values;
    for (int t = 0; t < macro.tabs.length(); ++t) {
        MacroTabData& tab = macro.tabs[t];
        if (tab.moduleName != moduleName || !tabListed(changedB, t)) continue;
        for (const macro_values::Field& field : macro_values::fieldsOf(tab))
            if (changedA.containsValue(field.kindCode) && !(field.isMixed && field.isMixed()))
                values.emplace_back(field.name, macro_values::encode(field.get()));
    }
    for (const AcDbObjectId& id : *instances) {
        drawing().logAction("UpdateModule", id, moduleName.str());
        for (const auto& [name, value] : values)
            if (textProperty(id, name) != value) drawing().setProperty(id, name, value);
    }
    if (busyHold == 0)
        macro.busy = false;
    else
        macro.busyUntil = clockNow() + busyHold;
    return true;
}

void setMacroBusyHold(unsigned milliseconds) { busyHold = milliseconds; }

bool macroBusy(MacroData& macro) {
    if (macro.busy && macro.busyUntil != 0 && clockNow() >= macro.busyUntil) {
        macro.busy = false;
        macro.busyUntil = 0;
    }
    return macro.busy;
}

bool setAllToMacro(MacroData& macro, const Kv_Array<int>& changedA, const Kv_Array<int>& changedB) {
    Kv_StringArray modules;
    for (int t = 0; t < macro.tabs.length(); ++t)
        if (tabListed(changedB, t) && !macro.tabs[t].moduleName.isEmpty() &&
            !modules.contains(macro.tabs[t].moduleName))
            modules.append(macro.tabs[t].moduleName);
    bool all = true;
    for (const Kv_String& module : modules) all = UpdateModule(module, macro, changedA, changedB) && all;
    return all;
}

int removeAll(Kv_Array<int>& list, int value) {
    const int before = list.length();
    std::erase(list.items(), value);
    return before - list.length();
}

bool SelectOtherMacros(MacroData& macro) {
    const Kv_StringArray modules = macro.tabModules();
    AcArray<AcDbObjectId> picked;
    Kv_StringArray pickedModules;
    for (;;) {
        AcDbObjectId id;
        host::Point3d at;
        if (!host::pickObject("Select a macro:", id, at)) break;
        Kv_String module;
        if (!isMacroInstance(id, &module) || !modules.contains(module)) {
            acutPrintf("*Invalid selection* #%lld is no macro of this dialog.\n", static_cast<long long>(id.asOldId()));
            continue;
        }
        if (picked.contains(id)) continue;
        picked.append(id);
        if (!pickedModules.contains(module)) pickedModules.append(module);
    }
    if (picked.isEmpty()) return false;
    macro.ids = picked;
    macro.moduleNames = pickedModules;
    loadInstanceValues(macro);
    return true;
}

bool UpdateAllFilterModified(MacroData& macro, bool firstFilter) {
    const Kv_StringArray modules = macro.tabModules();
    const bool byGroup = macro.hasValidGroup();
    const bool byFilter = macro.filterIndex >= 0 && macro.filterIndex < macro.filterNames.length() &&
                          !macro.filterNames[macro.filterIndex].isEmpty();
    AcArray<AcDbObjectId> passing;
    for (const AcDbObjectId& id : drawing().objectIds(kMacroInstanceType)) {
        Kv_String module;
        if (!isMacroInstance(id, &module) || !modules.contains(module)) continue;
        if (byGroup && textProperty(id, "group") != macro.groupKeys[macro.groupIndex].str()) continue;
        if (byFilter && textProperty(id, "filter") != macro.filterNames[macro.filterIndex].str()) continue;
        passing.append(id);
    }
    if (passing.isEmpty()) return false;
    drawing().logAction("filter", passing[0], firstFilter ? "group" : "second");
    macro.ids = passing;
    loadInstanceValues(macro);
    return true;
}

bool getDrawingListNames(const Kv_String& folder, Kv_StringArray& names) {
    names.removeAll();
    if (!staysInLibrary(folder)) return false;
    Kv_StringArray files;
    if (!ObjectExportFindFiles(Kv_Settings::libDir() + folder, "*.dwg", files)) return false;
    for (Kv_String file : files) {
        Kv_String name;
        getFileName(file, name);
        removeExtension(name);
        names.append(name);
    }
    return true;
}

bool swapBlockRefs(const MacroData& macro, const Kv_String& moduleName, const Kv_String& path) {
    if (!staysInLibrary(path) || !ObjectExportFileExists(Kv_Settings::libDir() + path)) return false;
    const std::optional<std::vector<AcDbObjectId>> instances = instancesOf(macro, moduleName);
    if (!instances || instances->empty()) return false;
    for (const AcDbObjectId& id : *instances) drawing().setProperty(id, "blockRef", path.str());
    return true;
}

bool getValidDimNames(const AcArray<AcDbObjectId>& ids, const Kv_String& moduleName, int /*arrayType*/,
                      Kv_StringArray& names) {
    names.removeAll();
    for (const AcDbObjectId& id : ids) {
        Kv_String module;
        if (!isMacroInstance(id, &module) || module != moduleName) continue;
        for (const auto& [name, value] : drawing().object(id)->properties) {
            const std::string* text = std::get_if<std::string>(&value);
            if (!text || name.rfind("cell.", 0) != 0 || text->empty()) continue;
            char* end = nullptr;
            std::strtod(text->c_str(), &end);
            const Kv_String cell(name.substr(5));
            if (end == text->c_str() + text->size() && !names.contains(cell)) names.append(cell);
        }
    }
    return !names.isEmpty();
}
