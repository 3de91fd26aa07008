#pragma once
// TwGridDlgData: the drawing's structural grid as the grid dialog edits it: two axis series,
// each a count of lines, a spacing and the name of the first line, and one option whose
// meaning is the caller's.  The spacings are texts the caller interprets (a list of distances
// as well as one number); the dialog only carries them.

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"

class TwGridDlgData {
public:
    TwGridDlgData();
    TwGridDlgData(const TwGridDlgData& other);
    TwGridDlgData& operator=(const TwGridDlgData& other);
    virtual ~TwGridDlgData();

    int countX = 4;
    Kv_String spacingX = "5000";
    Kv_String firstNameX = "A";
    int countY = 3;
    Kv_String spacingY = "5000";
    Kv_String firstNameY = "1";
    bool option = false;
};

bool operator==(const TwGridDlgData& a, const TwGridDlgData& b);

// {"countX", "spacingX", "firstNameX", "countY", "spacingY", "firstNameY", "option"}; reading
// checks each member's type, keeps the defaults of absent members and refuses unknown ones.
void to_json(nlohmann::json& out, const TwGridDlgData& data);
void from_json(const nlohmann::json& in, TwGridDlgData& data);
