#pragma once
// TwLevelsDlgData: the drawing's levels as the levels dialog edits them.  Each level has a
// name, the name of the level it is measured from, a value (its distance from that level) and
// a second value, its height from the origin, which the record keeps itself: the level's value
// plus its reference's height.  A reference of "wcs", an empty one or one naming no level is
// the origin (height 0).  Names are compared exactly; with repeated names a reference means the
// first level of that name.  A chain of references that comes back to a level is cut where it
// would close: the level met again counts as the origin, so heights are always computed.
//
// Heights are computed again after every change (update, add, delete) and after reading the
// JSON form, so a caller never sees a stale one.  Values are kept as given, also when they are
// not finite.  Every operation refuses an index that does not exist and then changes nothing.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

struct TwLevel {
    Kv_String name;
    Kv_String referenceName;
    double value = 0;
    double secondValue = 0;  // the height from the origin, kept by the record

    friend bool operator==(const TwLevel&, const TwLevel&) = default;
};

class TwLevelsDlgData {
public:
    TwLevelsDlgData();
    TwLevelsDlgData(const TwLevelsDlgData& other);
    TwLevelsDlgData& operator=(const TwLevelsDlgData& other);
    virtual ~TwLevelsDlgData();

    friend bool operator==(const TwLevelsDlgData& a, const TwLevelsDlgData& b) { return a.levels_ == b.levels_; }

    // The level names in index order (replacing what `names` held).
    void getNames(Kv_StringArray& names) const;
    // One level; false, with the outputs untouched, when there is no level at index.
    bool getLevelData(int index, Kv_String& name, Kv_String& referenceName, double& value, double& secondValue) const;
    // Change one level's value, or the level it is measured from.
    bool updateLevel(int index, double value);
    bool updateLevel(int index, const Kv_String& referenceName);
    // Appends a level of that name (value 0, no reference: measured from the origin) and gives
    // its index.
    // The name is taken as given: refusing names is the caller's business.
    bool addLevel(const Kv_String& name, int& newIndex);
    // Removes one level; levels that referred to it then count from the origin.
    bool deleteLevel(int index);

    const Kv_Array<TwLevel>& levels() const { return levels_; }
    // Replaces every level (the heights given are computed again).
    void setLevels(const Kv_Array<TwLevel>& levels);

    // The reference name that stands for the origin.
    static constexpr const char* kOrigin = "wcs";

private:
    void computeHeights();

    Kv_Array<TwLevel> levels_;
};

// {"levels": [{"name", "referenceName", "value", "secondValue"}...]}; reading checks each
// member's type and refuses unknown members; "secondValue" may be given (so that the form
// reads back) but the height is computed again; a height that is not finite is left out.
void to_json(nlohmann::json& out, const TwLevel& level);
void from_json(const nlohmann::json& in, TwLevel& level);
void to_json(nlohmann::json& out, const TwLevelsDlgData& data);
void from_json(const nlohmann::json& in, TwLevelsDlgData& data);
