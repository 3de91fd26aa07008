// The template page's options buttons, drawing lists and profile controls.
#include "macro/macro_page_text.h"

#include <algorithm>

#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "sections/section_pickers.h"

Kv_String optionsButtonText(const Kv_DlgDesignerData& dialogTemplate, const Kv_DesignerControl& control) {
    const Kv_String text = dialString(968);
    const RECT r = dialogTemplate.getPixelRect(control);
    return r.right - r.left < 3 * text.length() ? Kv_String("...") : text;
}

const SectionListCache::Family& SectionListCache::familyOf(const Kv_String& section) {
    auto found = families.find(section);
    if (found == families.end()) {
        Family family;
        family.systemNames = sectionTableEntries(section, family.displayNames);
        found = families.emplace(section, std::move(family)).first;
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
        const SectionListCache::Family& family = sectionLists.familyOf(first->profile);
        control.items = family.displayNames;
        // A size the list leaves out (filtered, or of no family) is named as the table names it.
        const int listed = family.systemNames.find(first->profile);
        control.contents = listed >= 0 ? family.displayNames[listed] : sectionDisplayName(first->profile);
        link = &MacroProfData::sectionLink;
        break;
    }
    case kCtrlProfileValue2:
        control.contents = dialString(969);
        link = &MacroProfData::sectionButtonLink;
        break;
    case kCtrlProfileOffset: {
        control.items = getOffsetTypeStrings(false);
        const int shown = getDlgOffsetType(first->offsetType, first->offsetMixed);
        control.contents = control.items.isValidIndex(shown) ? control.items[shown] : Kv_String();
        link = &MacroProfData::offsetTypeLink;
        break;
    }
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
