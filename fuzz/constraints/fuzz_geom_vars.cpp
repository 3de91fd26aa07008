// The geometry and variables pages over page fields made from the bytes: showing, clicking,
// typing and storing never read or write outside an array (the sanitizers stop the run if they
// do).  The bundled sample gives the drawing objects some of the element ids name.
#include <cstdint>
#include <string>

#include "core/constraint_editor_calls.h"
#include "core/macro_model.h"
#include "frame/module_frame.h"
#include "geom_vars_drive.h"
#include "host/drawing_database.h"
#include "host/system_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    win::resetWindowSystem();
    acrxResetSysRegistry();
    host::DrawingDatabase::instance().reset();
    macro_model::Drawing::instance().clear();
    std::string error;
    EditConstrData record;
    if (macro_model::Drawing::instance().load(macro_model::sampleDrawingPath(), error)) {
        record.macroId = macro_model::Drawing::instance().macros().front().id;
        record.currentModule = "Plate";
        FillEditConstrData(&record);
    }
    if (DllMain(win::instanceHandle(), DLL_PROCESS_ATTACH, nullptr) != 1) return 0;
    constraint_fuzz::driveGeometryAndVariables(data, size, record);
    DllMain(win::instanceHandle(), DLL_PROCESS_DETACH, nullptr);
    return 0;
}
