#include "frame/module_frame.h"

#include "frame/modeless_tables.h"
#include "frame/module_resource_scope.h"
#include "host/system_registry.h"
#include "resources/module_ids.h"
#include "spread/eval/table_cache.h"
#include "win/resource.h"
#include "win/wingdi.h"
#include "win/winuser.h"

namespace frame {

namespace {

struct ModuleState {
    HINSTANCE instance = nullptr;
    bool attached = false;
    TwTempResourceOverride resourceOverride;
    HBITMAP checkOff = nullptr;
    HBITMAP checkOn = nullptr;
    bool profCutsFlag = false;
};

ModuleState& state() {
    static ModuleState moduleState;
    return moduleState;
}

void releaseCheckBitmaps() {
    ModuleState& s = state();
    if (s.checkOff) DeleteObject(s.checkOff);
    if (s.checkOn) DeleteObject(s.checkOn);
    s.checkOff = s.checkOn = nullptr;
}

void initialiseApplication(void* appHandle) {
    // Unlocked so that the package can unload the module while the host runs.
    if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
        linker->unlockApplication(appHandle);
        linker->registerAppMDIAware(appHandle);
    }
    releaseCheckBitmaps();  // a second initialise must not leak the first pictures
    ModuleResourceScope scope;
    state().checkOff = LoadBitmap(moduleInstance(), MAKEINTRESOURCE(IDB_CHECK_OFF));
    state().checkOn = LoadBitmap(moduleInstance(), MAKEINTRESOURCE(IDB_CHECK_ON));
}

void unloadApplication() {
    // The module registers no command itself; the group holds what the package registered
    // under the module's name, which must not outlive it.
    if (AcEdCommandStack* commands = acedRegCmds) commands->removeGroup(kModuleCommandGroup);
    // A busy dialog would otherwise arm a delayed close whose timer calls into unloaded code.
    DestroyAllMacroDlgsAtUnload();
    EndDlgEditConstraints();
}

}  // namespace

HINSTANCE moduleInstance() { return state().instance; }
bool isAttached() { return state().attached; }
TwTempResourceOverride& moduleResourceOverride() { return state().resourceOverride; }

HBITMAP checkCellBitmap(bool checked) { return checked ? state().checkOn : state().checkOff; }

bool profCutsRememberedFlag() { return state().profCutsFlag; }
void rememberProfCutsFlag(bool value) { state().profCutsFlag = value; }

bool attachModule(HINSTANCE instance, const char* resourceTableName) {
    // The module's table joins the lookup chain when the binary is loaded; a module whose
    // resources are not there cannot show a single dialog, so it refuses to be attached.
    const win::ResourceTable* table = win::findResourceTable(resourceTableName);
    if (!table) return false;
    ModuleState& s = state();
    s.instance = instance;
    s.resourceOverride.SetModuleResource(table);
    s.attached = true;
    s.profCutsFlag = false;
    return true;
}

void detachModule() {
    ModuleState& s = state();
    releaseFromTableCache();  // hidden sheet windows of the tables FROMTABLE kept
    releaseCheckBitmaps();
    s.resourceOverride.SetModuleResource(nullptr);
    s.instance = nullptr;
    s.attached = false;
}

}  // namespace frame

extern "C" int DllMain(HINSTANCE instance, DWORD reason, void*) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: return frame::attachModule(instance, kModuleResourceTableName) ? 1 : 0;
    case DLL_PROCESS_DETACH: frame::detachModule(); return 1;
    default: return 1;
    }
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appHandle) {
    switch (message) {
    case AcRx::kInitAppMsg: frame::initialiseApplication(appHandle); break;
    case AcRx::kUnloadAppMsg: frame::unloadApplication(); break;
    default: break;
    }
    return AcRx::kRetOK;
}
