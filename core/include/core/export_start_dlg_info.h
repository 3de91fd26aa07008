#pragma once
// The core library's information dialog: a caption, a subtitle and a list of report lines that
// the user reads and closes.  Reports (the cutting-stock overview and the like) build a
// DlgInfoData and show it with ExportStartDlgInfo.  Needs the window system (kvwin).

#include "core/kv_string.h"
#include "core/kv_string_array.h"

class DlgInfoData {
public:
    DlgInfoData() = default;
    DlgInfoData(const DlgInfoData&) = default;
    DlgInfoData& operator=(const DlgInfoData&) = default;
    virtual ~DlgInfoData() = default;

    Kv_String title;       // the window caption
    Kv_String subtitle;    // the line above the list
    Kv_StringArray lines;  // the report, one entry per line (empty entries are empty lines)
};

// Resource and control ids of the dialog in the core library's table "kvcore".
inline constexpr int kInfoDialogId = 30100;
inline constexpr int kInfoDialogSubtitleId = 30101;
inline constexpr int kInfoDialogListId = 30102;

// Shows the dialog modally over the active window.  True when it was shown and closed with
// OK; false when it could not be created or was closed otherwise.  The record is not changed.
bool ExportStartDlgInfo(const DlgInfoData& data);
