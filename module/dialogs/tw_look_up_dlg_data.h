#pragma once
// TwLookUpDlgData: the criteria of a look-up as the look-up dialog edits them: five texts,
// each with a list of proposals, two three-way choices, two exclusive options and a flag.
// What they mean is the caller's; resultCode tells how the person confirmed (0 OK, 2 "Show
// All").

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"
#include "core/kv_string_array.h"

class TwLookUpDlgData {
public:
    TwLookUpDlgData();
    TwLookUpDlgData(const TwLookUpDlgData& other);
    TwLookUpDlgData& operator=(const TwLookUpDlgData& other);
    virtual ~TwLookUpDlgData();

    Kv_String text1;
    Kv_StringArray list1;
    Kv_String text2;
    Kv_StringArray list2;
    Kv_String text3;
    Kv_StringArray list3;
    Kv_String text4;
    Kv_StringArray list4;
    int choiceA = 2;
    Kv_String text5;
    Kv_StringArray list5;
    int choiceB = 0;
    int secondOption = 0;  // 0: the first option; anything else: the second
    bool flag = false;
    int resultCode = 0;
};

bool operator==(const TwLookUpDlgData& a, const TwLookUpDlgData& b);

// {"text1", "list1", ... "text5", "list5", "choiceA", "choiceB", "secondOption", "flag",
// "resultCode"}; reading checks each member's type, keeps the defaults of absent members and
// refuses unknown ones.
void to_json(nlohmann::json& out, const TwLookUpDlgData& data);
void from_json(const nlohmann::json& in, TwLookUpDlgData& data);
