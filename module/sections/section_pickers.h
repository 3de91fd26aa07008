#pragma once
// Section pickers and section icons: what the dialogs that let a person choose a steel section
// (or show one) share.
//
// Names:
// - a section of a family table is listed as the table name, "-" and the size's system name
//   ("IPE-IPE200"); the part before the first "-" (the whole name without one) names the
//   table file in the library's "prof\" folder;
// - a user section is "User Sections\" and its drawing's file name, relative to the library
//   folder; its picture is the same name with ".bmp" in that folder;
// - icon files live in the installation folder's "icons\" folder; the functions give their
//   names relative to it ("ProfSectionI-small.bmp").
// A section combo box lists the display names of its family's sizes and, last, caption text
// 695; the caller keeps the system names beside it, entry by entry.

#include "core/cbutton_st.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/afxwin.h"

// The icon base name of a section type (1 to 24); empty for any other number.
Kv_String sectionTypeIconBase(int sectionType);

// The icon file for a section: by its type text (a number, or a drawing ending in ".dwg"), or,
// without one, for the user section.  A missing icon gives the unknown icon of that size;
// a user section without a small icon gets one made from its picture (userSectionIcon).
Kv_String sectionIconFile(const Kv_String& typeText, const Kv_String& userSection, bool big);

// Makes the icon of user section `name` (without folder and extension): its picture is copied
// to "<name>-automated.bmp" in the icons folder when that icon is missing or older.  False
// without a picture; otherwise iconFile is the icon's name relative to the icons folder.
bool userSectionIcon(const Kv_String& name, Kv_String& iconFile);

// Gives the button the bitmap of file (in the icons folder when fromIconsFolder), drawn
// without border, with white (whiteBackground) or light grey as its transparent colour, its
// disabled state coloured; the button is left disabled.  With subclass, the button is bound
// to control controlId of parent first.
void setButtonIcon(CWnd* parent, CButtonST& button, int controlId, const Kv_String& file, bool fromIconsFolder,
                   bool whiteBackground, bool subclass);

// The display name of a listed section (its cell in the current macro language's column),
// or the name itself when it has none.
Kv_String sectionDisplayName(const Kv_String& sysName);

// The listed names of the active sizes of sectionName's family; displayNames gets their
// display names and then text 695.  An unreadable table gives no names and displayNames only
// text 695.
Kv_StringArray sectionTableEntries(const Kv_String& sectionName, Kv_StringArray& displayNames);

// Fills the combo with the family of sectionName (or with the one user section) and selects
// sectionName's entry when it is there.  systemNames gets the entries' names.
void fillSectionCombo(CComboBox& combo, Kv_StringArray& systemNames, const Kv_String& sectionName);

// Runs the core library's section selection dialog starting at name; on OK name becomes the
// chosen section, relative to the library folder when it lies in it.
bool chooseSection(Kv_String& name);
// chooseSection from the combo's current entry, then fills the combo with the chosen section.
bool chooseSectionAndFill(CComboBox& combo, Kv_StringArray& systemNames);

// The name of the combo's selected entry; false when nothing or the last (text 695) entry is
// selected.
bool selectedSystemName(const CComboBox& combo, const Kv_StringArray& systemNames, Kv_String& name);

// The picture of a table's section type: the big icon of the type its description names when
// that icon file exists (its name relative to the icons folder), else empty.
Kv_String sectionTypePicture(const Kv_String& description);
