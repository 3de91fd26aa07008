#pragma once
// What the template page shows on controls that hold no value of the macro: the options
// buttons' text and the profile controls of a group.

#include <map>

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "core/records/macro_data.h"
#include "designer/kv_dlg_designer_data.h"

// Text 968, or "..." when the button is narrower than 3 pixels per character of it.
Kv_String optionsButtonText(const Kv_DlgDesignerData& dialogTemplate, const Kv_DesignerControl& control);

// Links a profile control (types 13 to 17) to the group its contents names: the control's
// text and choices, and the link kept on every profile of the group.  False when the tab has
// no profile of that group, or for the offset type, whose choices the core library does not
// offer yet.
// The choices of the profile lists by section, each family read once per fill of the pages
// (a refresh links every page's profile lists again; many share a family).  The selected
// size's shown name comes from the same read.
struct SectionListCache {
    struct Family {
        Kv_StringArray systemNames;
        Kv_StringArray displayNames;  // one per system name, then the "no section" entry
    };
    std::map<Kv_String, Family> families;
    const Family& familyOf(const Kv_String& section);
};

bool linkProfileControl(MacroTabData& tab, Kv_DesignerControl& control, const Kv_String& optionsText,
                        SectionListCache& sectionLists);
