#include "core/macro_props_filter.h"

#include <string>

#include "core/kv_properties_list.h"

Kv_MacroPropsFilter::Kv_MacroPropsFilter() = default;
Kv_MacroPropsFilter::Kv_MacroPropsFilter(const Kv_MacroPropsFilter& other) = default;
Kv_MacroPropsFilter& Kv_MacroPropsFilter::operator=(const Kv_MacroPropsFilter& other) = default;
Kv_MacroPropsFilter::~Kv_MacroPropsFilter() = default;

Kv_String Kv_MacroPropsFilter::macroName(const Kv_String& file) {
    const std::string& full = file.str();
    const size_t slash = full.find_last_of("/\\");
    std::string name = slash == std::string::npos ? full : full.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return Kv_String(name);
}

Kv_String Kv_MacroPropsFilter::withExtension(const Kv_String& file, const char* extension) {
    std::string path = file.str();
    const size_t slash = path.find_last_of("/\\");
    const size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1)) path.erase(dot);
    return Kv_String(path + "." + extension);
}

int Kv_MacroPropsFilter::init(const Kv_StringArray& macroFiles, const AcArray<bool>& startOff, int first, int second) {
    macros_.removeAll();
    propertyOn_.clear();
    first_ = first;
    second_ = second;
    int read = 0;
    for (int i = 0; i < macroFiles.length(); ++i) {
        Macro macro;
        macro.file = macroFiles[i];
        macro.on = !(i < startOff.length() && startOff[i]);
        Kv_PropertiesList list;
        if (list.readFromFile(withExtension(macro.file, "abm"))) {
            ++read;
            for (const Kv_String& name : list.names()) {
                int value = 0;
                if (list.getProperty(name, value) == Acad::eOk && value != 0) macro.properties.append(name);
            }
        }
        macros_.append(macro);
    }
    return read;
}

bool Kv_MacroPropsFilter::propertyOn(const Kv_String& property) const {
    auto found = propertyOn_.find(property);
    return found == propertyOn_.end() || found->second;
}

Kv_StringArray Kv_MacroPropsFilter::getFilteredMacros() const {
    Kv_StringArray files;
    for (const Macro& macro : macros_) {
        if (!macro.on) continue;
        bool hasAsked = true;
        for (const auto& [property, on] : propertyOn_)
            if (!on && !macro.properties.contains(property)) hasAsked = false;
        if (hasAsked) files.append(macro.file);
    }
    return files;
}

bool Kv_MacroPropsFilter::getMergedProperties(Kv_Array<Kv_StringArray>& names, Kv_Array<Kv_Array<int>>& states) const {
    names.removeAll();
    states.removeAll();
    for (const Macro& macro : macros_) {
        Kv_StringArray rowNames;
        Kv_Array<int> rowStates;
        rowNames.append(macroName(macro.file));
        rowStates.append(macro.on ? 1 : 0);
        for (const Kv_String& property : macro.properties) {
            rowNames.append(property);
            rowStates.append(propertyOn(property) ? 1 : 0);
        }
        names.append(rowNames);
        states.append(rowStates);
    }
    return !macros_.isEmpty();
}

bool Kv_MacroPropsFilter::setModuleStatus(int macro, bool on) {
    if (!macros_.isValidIndex(macro)) return false;
    macros_[macro].on = on;
    return true;
}

bool Kv_MacroPropsFilter::setModulePropStatus(int macro, const Kv_String& property, bool on) {
    if (!macros_.isValidIndex(macro) || !macros_[macro].properties.contains(property)) return false;
    if (on)
        propertyOn_.erase(property);
    else
        propertyOn_[property] = false;
    return true;
}
