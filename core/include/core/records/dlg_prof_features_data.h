#pragma once
// DlgProfFeaturesData: a form whose rows the caller defines, edited by the profile features
// dialog: a profile and up to four labelled values.  A row whose label is empty is not shown
// and its value comes back as given.  Row 3 has a second label and value, used while the check
// box is ticked, and may be a list of the choices instead of a free text.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"
#include "core/kv_string_array.h"

class DlgProfFeaturesData {
public:
    DlgProfFeaturesData();
    DlgProfFeaturesData(const DlgProfFeaturesData& other);
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData& other);
    virtual ~DlgProfFeaturesData();

    friend bool operator==(const DlgProfFeaturesData&, const DlgProfFeaturesData&) = default;

    Kv_String caption;
    Kv_String profile;
    Kv_String label1, value1;
    Kv_String label2, value2;
    Kv_String label3, altLabel3;
    Kv_String value3, altValue3;
    bool row3AsList = false;
    Kv_String label4, value4;
    Kv_String checkLabel;  // empty: no check box
    bool checked = false;
    Kv_StringArray choices;  // the entries of rows 1 and 3 (row 3 only as a list)
};

// The fields by name; reading checks each member's type and refuses unknown members.
void to_json(nlohmann::json& out, const DlgProfFeaturesData& data);
void from_json(const nlohmann::json& in, DlgProfFeaturesData& data);
