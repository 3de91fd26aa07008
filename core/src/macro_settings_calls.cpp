#include "core/macro_settings_calls.h"

#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/macro_model.h"
#include "host/drawing_database.h"

namespace {

using Changes = std::vector<std::pair<std::string, std::string>>;  // part name, its JSON form

// A number JSON cannot hold (NaN, infinity) shows as null in the log text.
template <typename Part>
void noteChange(const char* name, const Part& before, const Part& after, Changes& changes) {
    if (!(before == after)) changes.emplace_back(name, nlohmann::json(after).dump());
}

}  // namespace

bool GetMacroSettings(AcDbObjectId macroId, MacroSettingsData& settings) {
    const macro_model::Macro* macro = macro_model::Drawing::instance().find(macroId);
    if (!macro) return false;
    settings = macro->settings;
    return true;
}

bool SetMacroSettings(AcDbObjectId macroId, const MacroSettingsData& settings) {
    macro_model::Macro* macro = macro_model::Drawing::instance().find(macroId);
    if (!macro) return false;
    Changes changes;
    noteChange("filterSettings", macro->settings.filterSettings, settings.filterSettings, changes);
    noteChange("tableSettings", macro->settings.tableSettings, settings.tableSettings, changes);
    noteChange("listSettings", macro->settings.listSettings, settings.listSettings, changes);
    noteChange("templateSettings", macro->settings.templateSettings, settings.templateSettings, changes);
    macro->settings = settings;

    std::string summary;
    for (const auto& [name, form] : changes) summary += (summary.empty() ? "" : " ") + name;
    host::DrawingDatabase& db = host::DrawingDatabase::instance();
    db.logAction("settings", macroId, changes.empty() ? "no change" : summary);
    for (const auto& [name, form] : changes) db.logAction("settings " + name, macroId, form);
    return true;
}
