#pragma once
// TwCladdingDlgData: the settings of one cladding purlin as the cladding settings dialog edits
// them: its profile, two fixed choices, a value that only some entries of the second choice
// need, a flag, and the constraint types at its two ends.
//
// Which constraint types a purlin may have at its ends depends on its type
// (isValidConstrainType):
//
//   purlin type           free  cleat  sleeve  overlap  butt joint
//   0 roof purlin          yes   yes    yes     yes      yes
//   1 side rail            yes   yes    yes     no       yes
//   2 eaves purlin         yes   yes    no      no       yes
//   3 ridge purlin         yes   yes    no      no       no
//   any other number       no    no     no      no       no
//
// A sleeve or an overlap joins two lengths of a continuous run, which eaves and ridge purlins
// are not; side rails are not lapped because the wall sheeting lies flush over them.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"

// The kind of purlin; the record keeps any number the caller gives (unknown ones allow no
// constraint type).
enum TwPurlinType : int {
    kPurlinRoof = 0,
    kPurlinSideRail = 1,
    kPurlinEaves = 2,
    kPurlinRidge = 3,
};

// How an end of the purlin is held.
enum TwCladConstrainType : int {
    kCladConstrainFree = 0,
    kCladConstrainCleat = 1,
    kCladConstrainSleeve = 2,
    kCladConstrainOverlap = 3,
    kCladConstrainButt = 4,
};

constexpr int kCladConstrainTypeCount = 5;

// Whether a purlin of purlinType may have type at an end (the table above).  includeFree: a
// free end (type 0) counts as valid; false asks only for the types that hold the end.
bool isValidConstrainType(TwPurlinType purlinType, TwCladConstrainType type, bool includeFree);

class TwCladdingDlgData {
public:
    TwCladdingDlgData();
    TwCladdingDlgData(const TwCladdingDlgData& other);
    TwCladdingDlgData& operator=(const TwCladdingDlgData& other);
    virtual ~TwCladdingDlgData();

    friend bool operator==(const TwCladdingDlgData&, const TwCladdingDlgData&) = default;

    Kv_String profile;
    TwPurlinType purlinType = kPurlinRoof;
    int choiceA = 0;
    bool flag = false;
    int choiceB = 0;
    Kv_String value;
    TwCladConstrainType constraintStart = kCladConstrainFree;
    TwCladConstrainType constraintEnd = kCladConstrainFree;
};

// {"profile", "purlinType", "choiceA", "flag", "choiceB", "value", "constraintStart",
// "constraintEnd"}; reading checks each member's type and refuses unknown members.
void to_json(nlohmann::json& out, const TwCladdingDlgData& data);
void from_json(const nlohmann::json& in, TwCladdingDlgData& data);
