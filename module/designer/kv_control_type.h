#pragma once
// Kv_ControlType: the 31 kinds of control a dialog template can hold, and what each kind means
// for drawing, for the designer's property panel and for the template file.
//
// The numbers are stored in template files ("type" + index), so they never change.  A file may
// hold a number outside 0..30 (an older or damaged template); such a control keeps its number,
// is drawn as a plain static text and takes part in nothing else.

#include <cstdint>

#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "win/types.h"

enum Kv_ControlType : int32_t {
    kCtrlLabel = 0,          // static text
    kCtrlGroupBox = 1,       // group frame
    kCtrlVariableEdit = 2,   // edit field showing a variable named by its contents
    kCtrlVariableCombo = 3,  // editable combo box showing a variable
    kCtrlBoltCount1 = 4,     // bolt count, first direction
    kCtrlBoltCount2 = 5,     // bolt count, second direction
    kCtrlPatternButton = 6,  // pattern options button
    kCtrlBoltValue1 = 7,     // fixed-choice list
    kCtrlBoltValue2 = 8,
    kCtrlBoltValue3 = 9,
    kCtrlBoltValue4 = 10,
    kCtrlBoltValue5 = 11,
    kCtrlBoltButton = 12,
    kCtrlProfile = 13,
    kCtrlProfileValue2 = 14,
    kCtrlProfileOffset = 15,
    kCtrlProfileRotation = 16,
    kCtrlProfileButton = 17,
    kCtrlArrayValue1 = 18,
    kCtrlArrayValue2 = 19,
    kCtrlArrayValue3 = 20,
    kCtrlArrayValue4 = 21,
    kCtrlArrayValue5 = 22,
    kCtrlArrayEntry = 23,
    kCtrlArrayButton = 24,
    kCtrlCellButton = 25,   // push button with five texts; its value cannot be set
    kCtrlCellButton2 = 26,  // the same, second kind
    kCtrlDrawingList = 27,
    kCtrlChoice = 28,      // five fixed entries; the value is the selected index
    kCtrlCheckBox = 29,    // "0", "1" or the undetermined text
    kCtrlFlexButton = 30,  // toggling icon button in a named group
};

inline constexpr int kNrControlTypes = 31;

// Window class codes, in the order of the package's class table.
enum class Kv_WindowClass { ScrollBar = 0, Static = 1, Button = 2, Edit = 3, ListBox = 4, ComboBox = 5 };

// How a type keeps its extra texts (the "comboList" of the file).
enum class Kv_ExtraTexts {
    None,         // nothing beyond the list text, which stays unused by the designer
    ListText,     // the whole text is the list text
    ButtonTexts,  // four button texts and the list text, joined with ';'
    FlexTexts,    // four flex texts, joined with ';'
};

struct Kv_ControlTypeInfo {
    Kv_WindowClass windowClass = Kv_WindowClass::Static;
    DWORD style = 0;  // added to WS_CHILD | WS_VISIBLE
    DWORD exStyle = 0;
    int contentsLabel = 0;  // dialog text number of the contents caption, 0 for none
    Kv_ExtraTexts extraTexts = Kv_ExtraTexts::None;
    int extraLabels[5] = {0, 0, 0, 0, 0};  // dialog text numbers, 0 ends the list
};

bool isValidControlType(int type);
// The description of a type; numbers outside 0..30 get the plain static text.
const Kv_ControlTypeInfo& controlTypeInfo(int type);
Kv_WindowClass controlWindowClass(int type);
// "STATIC", "BUTTON", "EDIT", "COMBOBOX" (and "SCROLLBAR", "LISTBOX" for completeness).
const char* windowClassName(Kv_WindowClass windowClass);

// The name shown in the designer's type list; empty for a number outside 0..30.
Kv_String controlTypeName(int type);
// The 31 names in order.
Kv_StringArray allControlTypeNames();
// The caption of the contents field, empty for types without one.
Kv_String contentsLabelOf(int type);
// The extra-text labels joined with ';', empty for types whose extra texts the designer does
// not edit.
Kv_String extraTextsLabelOf(int type);
// True for the types whose extra texts the property panel shows and edits.
bool typeHasEditableExtraTexts(int type);
