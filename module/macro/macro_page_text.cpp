// The template page's options buttons, drawing lists and profile controls.
#include "macro/macro_page_text.h"

#include <algorithm>

#include "core/kv_texts.h"
#include "sections/section_pickers.h"

Kv_String optionsButtonText(const Kv_DlgDesignerData& dialogTemplate, const Kv_DesignerControl& control) {
    const Kv_String text = dialString(968);
    const RECT r = dialogTemplate.getPixelRect(control);
    return r.right - r.left < 3 * text.length() ? Kv_String("...") : text;
}

const Kv_StringArray& SectionListCache::entriesOf(const Kv_String& section) {
    auto found = displayNames.find(section);
    if (found == displayNames.end()) {
        Kv_StringArray names;
        sectionTableEntries(section, names);
        found = displayNames.emplace(section, names).first;
    }
    return found->second;
}

bool linkProfileControl(MacroTabData& tab, Kv_DesignerControl& control, const Kv_String& optionsText,
                        SectionListCache& sectionLists) {
    const Kv_String group = control.contents;
    auto first = std::find_if(tab.profiles.begin(), tab.profiles.end(),
                              [&](const MacroProfData& p) { return p.group == group; });
    if (first == tab.profiles.end()) return false;
    int MacroProfData::*link = nullptr;
    switch (control.type) {
    case kCtrlProfile: {
        control.items = sectionLists.entriesOf(first->profile);
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
