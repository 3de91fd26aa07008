#pragma once
// TwSelectImageDlgData: what the image selection dialog offers and what it gives back: the
// caption, the picture files in display order and, on return, the display name of the picture
// chosen (a translated name when the label tables have one).

#include <nlohmann/json_fwd.hpp>

#include "core/kv_string.h"
#include "core/kv_string_array.h"

class TwSelectImageDlgData {
public:
    TwSelectImageDlgData();
    TwSelectImageDlgData(const TwSelectImageDlgData& other);
    TwSelectImageDlgData& operator=(const TwSelectImageDlgData& other);
    virtual ~TwSelectImageDlgData();

    Kv_String title;
    Kv_StringArray imageFiles;  // full paths
    Kv_String selection;
};

bool operator==(const TwSelectImageDlgData& a, const TwSelectImageDlgData& b);

// {"title", "imageFiles", "selection"}; reading checks each member's type, keeps the defaults
// of absent members and refuses unknown ones.
void to_json(nlohmann::json& out, const TwSelectImageDlgData& data);
void from_json(const nlohmann::json& in, TwSelectImageDlgData& data);
