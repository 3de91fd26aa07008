// Any bytes read as the JSON form of the small dialogs' records and of the macro records:
// never a crash; text that is not JSON, or JSON of the wrong shape, is refused with a JSON
// exception; a form that is read writes back and reads again to the same record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/records/dlg_dstv_points.h"
#include "core/records/dlg_prof_features_data.h"
#include "core/records/tw_cladding_dlg_data.h"
#include "core/records/macro_data.h"
#include "core/records/dlg_edit_lib_data.h"
#include "core/records/tw_levels_dlg_data.h"
#include "dialogs/tw_grid_dlg_data.h"
#include "dialogs/tw_look_up_dlg_data.h"
#include "dialogs/tw_select_image_dlg_data.h"
#include "sections/prof_values_table_json.h"

namespace {

template <typename Record>
void readWriteRead(const nlohmann::json& form) {
    Record record;
    try {
        record = form.get<Record>();
    } catch (const nlohmann::json::exception&) {
        return;
    }
    // Values that are not finite have no JSON form; they cannot come from JSON either.
    if (!(nlohmann::json(record).get<Record>() == record)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nlohmann::json form =
        nlohmann::json::parse(std::string_view(reinterpret_cast<const char*>(data), size), nullptr, false);
    if (form.is_discarded()) return 0;
    readWriteRead<TwGridDlgData>(form);
    readWriteRead<TwLookUpDlgData>(form);
    readWriteRead<TwLevelsDlgData>(form);
    readWriteRead<TwSelectImageDlgData>(form);
    readWriteRead<TwCladdingDlgData>(form);
    readWriteRead<DlgProfFeaturesData>(form);
    readWriteRead<Kv_DstvPointInfo>(form);
    readWriteRead<MacroData>(form);
    readWriteRead<DynArrayData>(form);
    readWriteRead<DlgEditLibData>(form);
    readWriteRead<Kv_ProfValuesTable>(form);
    // The bolt and pattern records the option dialogs edit (seeds: unequal hole-column lists, no slots).
    readWriteRead<MacroBoltData>(form);
    readWriteRead<MacroPatternProps>(form);
    return 0;
}
