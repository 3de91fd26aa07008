#include "constraints/macro_settings_launcher.h"

#include "constraints/dlg_macro_settings.h"
#include "core/macro_settings_calls.h"
#include "frame/dialog_launcher.h"

namespace constraints {

bool editMacroSettings(AcDbObjectId macroId, CWnd* parent) {
    MacroSettingsData settings;
    if (!GetMacroSettings(macroId, settings)) return false;
    const bool confirmed = frame::launchModalDialog<DlgMacroSettings>(
        frame::LaunchRules{}, [&](DlgMacroSettings& dialog) { dialog.settings = settings; },
        [&](DlgMacroSettings& dialog) { settings = dialog.settings; }, frame::NothingAfterRun{}, parent);
    return confirmed && SetMacroSettings(macroId, settings);
}

}  // namespace constraints
