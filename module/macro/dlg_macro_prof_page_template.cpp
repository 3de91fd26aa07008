// CDlgMacroProfPage: the template's own profile controls of a group (its section list, type 13,
// its offset type list, type 15, and its rotation list, type 16) show the group's merged properties after every fill,
// and a value the person chose there is stored for the whole group.
#include "core/kv_texts.h"
#include "core/macro_profile_calls.h"
#include "macro/dlg_macro.h"
#include "macro/dlg_macro_prof_page.h"
#include "macro/macro_page_text.h"
#include "sections/section_pickers.h"

namespace {

// The first profile of each group that has a template control of `link`.
template <typename Visit>
void forEachLinkedGroup(const MacroTabData& tab, int MacroProfData::*link, Visit visit) {
    Kv_StringArray seen;
    for (const MacroProfData& profile : tab.profiles) {
        if (profile.*link <= 0 || seen.contains(profile.group)) continue;
        seen.append(profile.group);
        visit(profile.group, profile.*link);
    }
}

}  // namespace

// The shown name of a section: its family's display name, the mixed text as it is.
Kv_String CDlgMacroProfPage::sectionShownName(const Kv_String& section) {
    if (section == dialString(695)) return section;
    const SectionListCache::Family& family = owner_->sectionLists().familyOf(section);
    const int listed = family.systemNames.find(section);
    return listed >= 0 ? family.displayNames[listed] : sectionDisplayName(section);
}

void CDlgMacroProfPage::templateProfilesToControls() {
    MacroTabData& data = tab();
    forEachLinkedGroup(data, &MacroProfData::sectionLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        if (data.getMergedPropsOfGroup(group, merged)) template_.setCtrlValue(link, sectionShownName(merged.profile));
    });
    forEachLinkedGroup(data, &MacroProfData::rotationLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        if (data.getMergedPropsOfGroup(group, merged)) template_.setCtrlValue(link, merged.rotation);
    });
    const Kv_StringArray offsetTypes = getOffsetTypeStrings(false);
    forEachLinkedGroup(data, &MacroProfData::offsetTypeLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        if (!data.getMergedPropsOfGroup(group, merged)) return;
        const int shown = getDlgOffsetType(merged.offsetType, merged.offsetMixed);
        template_.setCtrlValue(link, offsetTypes.isValidIndex(shown) ? offsetTypes[shown] : Kv_String());
    });
}

void CDlgMacroProfPage::templateProfilesFromControls() {
    MacroTabData& data = tab();
    forEachLinkedGroup(data, &MacroProfData::sectionLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        Kv_String shown;
        if (!data.getMergedPropsOfGroup(group, merged) || !template_.getCtrlValue(link, shown)) return;
        if (shown == sectionShownName(merged.profile)) return;
        const SectionListCache::Family& family = owner_->sectionLists().familyOf(merged.profile);
        const int chosen = family.displayNames.find(shown);
        if (!family.systemNames.isValidIndex(chosen)) return;  // the mixed entry, or nothing
        merged.profile = family.systemNames[chosen];
        data.setMergedPropsOfGroup(group, merged);
    });
    forEachLinkedGroup(data, &MacroProfData::rotationLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        Kv_String shown;
        if (!data.getMergedPropsOfGroup(group, merged) || !template_.getCtrlValue(link, shown)) return;
        if (shown.isEmpty() || shown == merged.rotation || shown == dialString(695)) return;
        merged.rotation = shown;
        data.setMergedPropsOfGroup(group, merged);
    });
    const Kv_StringArray offsetTypes = getOffsetTypeStrings(false);
    forEachLinkedGroup(data, &MacroProfData::offsetTypeLink, [&](const Kv_String& group, int link) {
        MacroProfData merged;
        Kv_String shown;
        if (!data.getMergedPropsOfGroup(group, merged) || !template_.getCtrlValue(link, shown)) return;
        const int type = getProfOffsetType(offsetTypes.find(shown));
        if (type < 0 || (!merged.offsetMixed && type == merged.offsetType)) return;  // nothing chosen
        merged.offsetType = type;
        merged.offsetMixed = false;
        data.setMergedPropsOfGroup(group, merged);
    });
}
