#pragma once
// Kv_DesignerControl: one control of a dialog template.
//
// The rectangle is kept as fractions of the template picture's width (x) and height (y), so a
// template stays valid for any picture size.  The resource id and the tab order are given by
// the template (append, sortAllControls) and never stored; neither are the disabled flag and
// the combo items, which the dialog that shows the template fills in.
//
// In the template file a control is seven values named by a fixed word and its index
// ("type3", "topLeftX3" ... "comboList3").  The "comboList" value merges the type's extra texts
// with ';' (see getMergedExtComboList).

#include "core/kv_properties_list.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "designer/kv_control_type.h"
#include "win/types.h"

class Kv_DesignerControl {
public:
    Kv_DesignerControl() = default;
    virtual ~Kv_DesignerControl() = default;
    Kv_DesignerControl(const Kv_DesignerControl&) = default;
    Kv_DesignerControl& operator=(const Kv_DesignerControl&) = default;

    // Reads the seven values stored under index.  A value the list lacks (or holds with another
    // type) leaves its field alone, except the type, which then becomes 0.
    void getFromPropList(const Kv_PropertiesList& list, int index);
    void setToPropList(Kv_PropertiesList& list, int index) const;
    // The highest index below limit under which the list holds any of the seven values; -1
    // when it holds none.
    static int highestIndexInPropList(const Kv_PropertiesList& list, int limit);

    // Flex buttons: the four flex texts (always four parts).  Cell buttons: the four button
    // texts and the list text.  Every other type: the list text as it is.
    Kv_String getMergedExtComboList() const;
    // The reverse; types other than the two above keep the whole text, separators included,
    // because it may be a file name.  Always true.
    bool setSplitExtComboList(const Kv_String& text);

    // The lines of the file named by the list text; items stays as it was when the list text is
    // empty or names no readable file.
    void getComboItemsFromFile(Kv_StringArray& items) const;

    // The dialog's child window with this control's resource id.
    bool getCtrlPtr(HWND dialog, HWND& window) const;
    // The child window for the editable and profile combo boxes (3, 13, 15, 16); nullptr for
    // every other type, the fixed lists included.
    HWND getComboPtr(HWND dialog) const;
    // The child window of a control drawn as a button / an edit field; nullptr otherwise.
    HWND getButtonPtr(HWND dialog) const;
    HWND getEditPtr(HWND dialog) const;

    Kv_ControlType type = kCtrlLabel;
    int disabled = 0;
    int resId = 0;
    int tabOrder = 0;
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Kv_String contents;
    Kv_String listText;
    Kv_String flexText1, flexText2, flexText3, flexText4;
    Kv_String buttonText1, buttonText2, buttonText3, buttonText4;
    Kv_StringArray items;
};

// The property names of a control's values: word followed directly by the index ("type3").
Kv_String designerPropName(const char* word, int index);
