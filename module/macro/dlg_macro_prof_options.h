#pragma once
// The profile options (dialog 220): every placement property of one group of profiles, each
// change applied at once through a callback, so that the drawing follows the dialog.  The
// profile page runs it from its options button with runProfOptionsDialog; other modules run it
// through the two exported StartDlgMacroProfAdv functions.
//
// The callback is called with
//   kind 0 (kMACallBackRead)     once at the start: fill the profile data to show;
//   kind 1 (kMACallBackApply)    after every change: store the data (and may change it, which
//                                the dialog then shows);
//   kind 2 (kMACallBackHide)     before a pick or the zoom, the dialog hidden;
//   kind 3 (kMACallBackShow)     after it, the dialog shown again.
// A null callback: the dialog shows nothing and applies nothing.

#include <functional>

#include "core/kv_string.h"
#include "core/records/macro_elements.h"
#include "frame/tw_ma_callback_data.h"
#include "host/ac_array.h"
#include "host/object_id.h"

class CWnd;

enum TwMACallBackType : int {
    kMACallBackRead = 0,
    kMACallBackApply = 1,
    kMACallBackHide = 2,
    kMACallBackShow = 3,
};

// The callback as other modules pass it.
using TwMACallBack = bool (*)(TwMACallBackType, const TwMACallBackData&, MacroProfData&);
// The callback as the dialog calls it (the profile page binds itself into one).
using ProfOptionsCallback = std::function<bool(TwMACallBackType, const TwMACallBackData&, MacroProfData&)>;

// One run of the options dialog.
struct ProfOptionsRun {
    // Handed to every callback call: the group (shown in 1223), the macro copy (its tempObjects
    // flag enables the created coordinate system, 1350), the module, the profile ids.
    TwMACallBackData data;
    ProfOptionsCallback callback;
    CWnd* owner = nullptr;  // null: the host's main window
    // What the dialog does once shown: "pickPlane" (button 1246), "pickPoint" (1229) or "zoom"
    // (1320); any other text nothing.  The profile page passes MacroData::openProfileHint.
    Kv_String startHint;
    bool groupFixed = false;  // the group name field 1223 disabled
    // In: true hides the group row (1187, 1223) and shows check box 1257.  Out: 1257's state
    // when the dialog closed, however it closed (false when it was not shown).
    bool flag = false;
    // Out: the coordinate system the dialog created (radio 1350), null when none.
    AcDbObjectId createdCoordSys;
};

// Runs the dialog modally in the caller's resource scope (the module's pages are already
// inside it).  run.data (with the group as the person left it), run.flag and
// run.createdCoordSys are written back however the dialog closed; true when it closed with OK.
bool runProfOptionsDialog(ProfOptionsRun& run);

// Exported: the options of the group's merged profile properties of `data`, with the built-in
// callback (kind 0 reads the merged properties, kind 1 stores them and updates the drawing with
// [-13]).  The changed macro is copied back into `data` when the dialog ends.  Afterwards, when
// data.tempObjects is set, the temporary object is erased when data.tempIds holds exactly one,
// and a coordinate system the dialog created is erased.
void StartDlgMacroProfAdv(MacroData& data, const Kv_String& moduleName, const Kv_String& group, bool groupFixed);
// Exported: the options for the profiles `ids` with the caller's callback, inside the module's
// resource scope.  Nothing happens for a null or empty array.  `flag` in: show check box 1257
// (and hide the group row); out: its state however the dialog closed (false when not shown).
void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& flag, TwMACallBack callback);
