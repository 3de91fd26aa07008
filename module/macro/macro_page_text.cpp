// The template page's options buttons, drawing lists and profile controls.
#include "macro/macro_page_text.h"

#include <algorithm>
#include <filesystem>

#include "core/path_mapping.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "sections/section_pickers.h"

Kv_String optionsButtonText(const Kv_DlgDesignerData& dialogTemplate, const Kv_DesignerControl& control) {
    const Kv_String text = dialString(968);
    const RECT r = dialogTemplate.getPixelRect(control);
    return r.right - r.left < 3 * text.length() ? Kv_String("...") : text;
}

bool drawingListNames(const Kv_String& subfolder, Kv_StringArray& names) {
    names.removeAll();
    std::string relative = subfolder.str();
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (relative.empty() || relative.front() == '/' || (relative.size() > 1 && relative[1] == ':')) return false;
    for (const auto& part : std::filesystem::path(relative))
        if (part == "..") return false;
    const std::filesystem::path folder = kvMapPath(Kv_Settings::libDir() + subfolder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return false;
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::filesystem::path& file = entry.path();
        std::string extension = file.extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file(ec) && extension == ".dwg") found.push_back(kvNameFromDisk(file.stem()).str());
    }
    std::sort(found.begin(), found.end());
    for (const std::string& name : found) names.append(name);
    return true;
}

bool linkProfileControl(MacroTabData& tab, Kv_DesignerControl& control, const Kv_String& optionsText) {
    const Kv_String group = control.contents;
    auto first = std::find_if(tab.profiles.begin(), tab.profiles.end(),
                              [&](const MacroProfData& p) { return p.group == group; });
    if (first == tab.profiles.end()) return false;
    int MacroProfData::*link = nullptr;
    switch (control.type) {
    case kCtrlProfile: {
        Kv_StringArray displayNames;
        sectionTableEntries(first->profile, displayNames);
        control.items = displayNames;
        control.contents = sectionDisplayName(first->profile);
        link = &MacroProfData::sectionLink;
        break;
    }
    case kCtrlProfileValue2:
        control.contents = dialString(969);
        link = &MacroProfData::sectionButtonLink;
        break;
    case kCtrlProfileRotation:
        control.items = {"0\xB0", "90\xB0", "180\xB0", "270\xB0", dialString(695)};
        control.contents = first->rotation;
        link = &MacroProfData::rotationLink;
        break;
    case kCtrlProfileButton:
        control.contents = optionsText;
        link = &MacroProfData::optionButtonLink;
        break;
    default: return false;
    }
    for (MacroProfData& profile : tab.profiles)
        if (profile.group == group) profile.*link = control.resId;
    return true;
}
