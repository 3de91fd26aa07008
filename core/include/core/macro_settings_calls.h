#pragma once
// The core library's calls for a macro's general settings (MacroSettingsData), over the macro
// model (core/macro_model.h).  Both fail for an id that names no macro of the drawing and then
// leave everything as it was.  A write goes to the drawing log: one "settings" entry naming the
// parts that changed ("no change" when none did), then one entry per changed part with its
// JSON form, so that what a person edited shows in the log.

#include "core/records/macro_settings_data.h"
#include "host/object_id.h"

bool GetMacroSettings(AcDbObjectId macroId, MacroSettingsData& settings);
bool SetMacroSettings(AcDbObjectId macroId, const MacroSettingsData& settings);
