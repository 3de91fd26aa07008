#pragma once
// The elements of one macro tab (MacroTabData): its variables, patterns, bolt, profiles,
// segmented profiles, cuts and flexible-fix groups.  Plain records like every record of the
// package: copying copies every field.
//
// Conventions shared by every element:
// - A control link is one integer: above 0 the resource id of the template control that shows
//   the element (33000 to 33099), below 0 minus its row (from 1) in the page's sheet, 0 not
//   shown.  MacroTabData::removeAllDlgReferences sets every link of a tab to 0.
// - A tri-state flag is above 0 on, 0 off, below 0 mixed (the edited instances differ).
// - A text value that differs between the edited instances is the mixed text
//   (macroMixedText(), dialog text 695).

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/object_id.h"

// The text of a value that differs between the edited instances: dialog text 695.
Kv_String macroMixedText();

// A macro variable.
class MacroCell {
public:
    // Value types; they also choose the sheet cell type of a listed variable.
    static constexpr int kNumber = 1;
    static constexpr int kText = 2;
    static constexpr int kFixedList = 3;  // value holds the choices, see the page
    static constexpr int kEditableList = 4;
    static constexpr int kCheckBox = 5;  // "1" ticked, "0" not

    MacroCell() = default;
    MacroCell(const MacroCell&) = default;
    MacroCell& operator=(const MacroCell&) = default;
    virtual ~MacroCell() = default;
    friend bool operator==(const MacroCell&, const MacroCell&) = default;

    int type = kNumber;
    int link = 0;
    Kv_String name;
    bool readOnly = false;
    Kv_String value;
};

// One direction of a pattern: how many and how far apart.
class MacroPatternDirection {
public:
    MacroPatternDirection() = default;
    MacroPatternDirection(const MacroPatternDirection&) = default;
    MacroPatternDirection& operator=(const MacroPatternDirection&) = default;
    virtual ~MacroPatternDirection() = default;
    friend bool operator==(const MacroPatternDirection&, const MacroPatternDirection&) = default;

    int on = 0;    // tri-state
    int kind = 0;  // the selection of the direction's kind combo; 3 is the distance list
    Kv_String value1;
    Kv_String value2;
    int checked = 0;           // the direction's second check box, tri-state
    Kv_StringArray distances;  // one per gap, shown in the direction's sheet
};

// A pattern of holes or parts.
class MacroPatternProps {
public:
    MacroPatternProps() = default;
    MacroPatternProps(const MacroPatternProps&) = default;
    MacroPatternProps& operator=(const MacroPatternProps&) = default;
    virtual ~MacroPatternProps() = default;
    friend bool operator==(const MacroPatternProps&, const MacroPatternProps&) = default;

    Kv_String name;
    Kv_String value;
    int valueLink = 0;
    Kv_String count;  // a whole number of at least 0, or anything else: no count
    int countLink = 0;
    int buttonLink = 0;         // the option button that opens the pattern dialog
    bool optionButton = false;  // a listed pattern row gets an option button cell
    int type = 1;               // 1 or 2: which direction blocks the dialog offers
    MacroPatternDirection direction1;
    MacroPatternDirection direction2;
    int flag1 = 0;  // four tri-state options of the pattern dialog
    int flag2 = 0;
    int flag3 = 0;
    int flag4 = 0;

    // The count as a number; -1 when count is not a whole number of at least 0 (blanks around
    // it are allowed, nothing else).
    int getCount() const;
    // Shown completely on a template page: value and count each have a control.
    bool fullyShown() const { return valueLink > 0 && (countLink > 0 || getCount() < 0); }
};

// One slotted hole of a bolt.
class MacroBoltSlot {
public:
    MacroBoltSlot() = default;
    MacroBoltSlot(const MacroBoltSlot&) = default;
    MacroBoltSlot& operator=(const MacroBoltSlot&) = default;
    virtual ~MacroBoltSlot() = default;
    friend bool operator==(const MacroBoltSlot&, const MacroBoltSlot&) = default;

    int active = 0;
    int kind = 0;
    Kv_String radius;
    Kv_String length;
    Kv_String angle;
    Kv_String extra;  // the slot's fourth value
};

// The bolt of a kind-1 tab.
class MacroBoltData {
public:
    static constexpr int kValueCount = 5;  // the five values, in control types 7 to 11

    MacroBoltData() = default;
    MacroBoltData(const MacroBoltData&) = default;
    MacroBoltData& operator=(const MacroBoltData&) = default;
    virtual ~MacroBoltData() = default;
    friend bool operator==(const MacroBoltData&, const MacroBoltData&) = default;

    Kv_String composition;
    Kv_String diameter;
    Kv_String penetrationLength;
    Kv_String addedLength;
    Kv_String holeTolerance;
    int compositionLink = 0;
    int diameterLink = 0;
    int penetrationLengthLink = 0;
    int addedLengthLink = 0;
    int holeToleranceLink = 0;
    int buttonLink = 0;

    // Tri-state flags.  The bolt dialog reads an untouched undetermined box back as 2; a flag
    // of 2 is mixed too (isMixedBoltFlag).
    int shopBolted = 0;
    int countersunk = 0;
    int reverseOrientation = 0;
    int tapped = 0;
    Kv_Array<MacroBoltSlot> slots;
    int washer1 = 0;
    int washers = 0;
    int nut1 = 0;
    int nut2 = 0;
    int washer2 = 0;
    Kv_Array<int> holeColumnFlags;  // 0 or 1, one per hole column
    Kv_StringArray holeColumnNames;
    int count = 0;
    bool countOption = false;  // written only when count is above 0

    // Value i (0 to 4: composition, diameter, penetration length, added length, hole
    // tolerance) and its link; nullptr outside 0..4.
    Kv_String* value(int index);
    const Kv_String* value(int index) const;
    int* link(int index);
    // The hole columns as two lists of equal length.
    void getHoleColumns(Kv_Array<int>& flags, Kv_StringArray& names) const;
    // Takes the two lists, cut to the shorter one's length.
    void setHoleColumns(const Kv_Array<int>& flags, const Kv_StringArray& names);
};

bool isMixedBoltFlag(int flag);

// One profile (steel section) of a tab; profiles belong to named groups.
class MacroProfData {
public:
    MacroProfData() = default;
    MacroProfData(const MacroProfData&) = default;
    MacroProfData& operator=(const MacroProfData&) = default;
    virtual ~MacroProfData() = default;
    friend bool operator==(const MacroProfData&, const MacroProfData&) = default;

    Kv_String group;
    AcDbObjectId id;       // the profile in the drawing, null when not drawn
    Kv_String profile;     // section name relative to the library folder
    Kv_String endProfile;  // second section of a morphed profile
    Kv_String endValue1;
    Kv_String endValue2;
    int morphed = 0;
    int offsetType = 0;
    bool offsetMixed = false;
    double offsetX = 0.0;
    double offsetY = 0.0;
    int pointChoice = 0;
    Kv_String rotation;  // "0°", "90°", "180°", "270°" or an angle
    Kv_String plane;     // empty, text 695, or a marker of a chosen plane
    AcDbObjectId planeId;
    bool onSegment = false;
    int segment = 0;
    int triStateOption = 0;  // 0, 1 or 2
    // Links of the group's template controls (types 13 to 17), kept on every profile of the
    // group.
    int sectionLink = 0;        // 13: the section
    int sectionButtonLink = 0;  // 14: the section chooser button
    int offsetTypeLink = 0;     // 15
    int rotationLink = 0;       // 16
    int optionButtonLink = 0;   // 17: the profile options button
};

// A profile placed along a polyline in segments.
class MacroProfSegmentedData {
public:
    MacroProfSegmentedData() = default;
    MacroProfSegmentedData(const MacroProfSegmentedData&) = default;
    MacroProfSegmentedData& operator=(const MacroProfSegmentedData&) = default;
    virtual ~MacroProfSegmentedData() = default;
    friend bool operator==(const MacroProfSegmentedData&, const MacroProfSegmentedData&) = default;

    Kv_String name;
    Kv_String group;
    double gap = 0.0;
    bool breakAtPoints = false;
    Kv_StringArray points;  // one text per polyline point, as the sheet shows it
};

// A cut of the macro, shown as a whole number.
class MacroCutData {
public:
    MacroCutData() = default;
    MacroCutData(const MacroCutData&) = default;
    MacroCutData& operator=(const MacroCutData&) = default;
    virtual ~MacroCutData() = default;
    friend bool operator==(const MacroCutData&, const MacroCutData&) = default;

    Kv_String name;
    int value = 0;
    int link = 0;
};

// One dimension of a flexible-fix group; fixed 0 means it is the flexible one (its button is
// on).
class MacroFlexFixMember {
public:
    MacroFlexFixMember() = default;
    MacroFlexFixMember(const MacroFlexFixMember&) = default;
    MacroFlexFixMember& operator=(const MacroFlexFixMember&) = default;
    virtual ~MacroFlexFixMember() = default;
    friend bool operator==(const MacroFlexFixMember&, const MacroFlexFixMember&) = default;

    Kv_String name;
    int fixed = 1;
};

// Dimensions that add up to a fixed total: one of them gives way when the others change.
class MacroFlexFixGroup {
public:
    MacroFlexFixGroup() = default;
    MacroFlexFixGroup(const MacroFlexFixGroup&) = default;
    MacroFlexFixGroup& operator=(const MacroFlexFixGroup&) = default;
    virtual ~MacroFlexFixGroup() = default;
    friend bool operator==(const MacroFlexFixGroup&, const MacroFlexFixGroup&) = default;

    Kv_String name;
    Kv_Array<MacroFlexFixMember> members;

    // The index of the member named name (exact), -1 when none.
    int findMember(const Kv_String& name) const;
};

// JSON forms: an object with one member per field, named as the field; nested records as
// objects, lists as arrays, object ids as numbers.  Reading accepts any subset of the members
// (the rest keep their defaults) and refuses a wrong type or an unknown member with
// nlohmann::json::type_error whose reason names the member (and, inside lists, the index).
void to_json(nlohmann::json& out, const MacroCell& cell);
void from_json(const nlohmann::json& in, MacroCell& cell);
void to_json(nlohmann::json& out, const MacroPatternDirection& direction);
void from_json(const nlohmann::json& in, MacroPatternDirection& direction);
void to_json(nlohmann::json& out, const MacroPatternProps& pattern);
void from_json(const nlohmann::json& in, MacroPatternProps& pattern);
void to_json(nlohmann::json& out, const MacroBoltSlot& slot);
void from_json(const nlohmann::json& in, MacroBoltSlot& slot);
void to_json(nlohmann::json& out, const MacroBoltData& bolt);
void from_json(const nlohmann::json& in, MacroBoltData& bolt);
void to_json(nlohmann::json& out, const MacroProfData& prof);
void from_json(const nlohmann::json& in, MacroProfData& prof);
void to_json(nlohmann::json& out, const MacroProfSegmentedData& segmented);
void from_json(const nlohmann::json& in, MacroProfSegmentedData& segmented);
void to_json(nlohmann::json& out, const MacroCutData& cut);
void from_json(const nlohmann::json& in, MacroCutData& cut);
void to_json(nlohmann::json& out, const MacroFlexFixMember& member);
void from_json(const nlohmann::json& in, MacroFlexFixMember& member);
void to_json(nlohmann::json& out, const MacroFlexFixGroup& group);
void from_json(const nlohmann::json& in, MacroFlexFixGroup& group);
