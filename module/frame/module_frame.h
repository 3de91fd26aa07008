#pragma once
// The module's process-wide state: what it keeps from attach to detach (its instance handle,
// the resource override, the check-box cell pictures, the remembered flag of the profile cuts
// dialog), and the process entry and host entry point that create and clear it.
//
// Attach and detach are the loader's business: the host program calls DllMain with
// DLL_PROCESS_ATTACH right after loading the module and with DLL_PROCESS_DETACH right before
// unloading it, as the system loader does for a DLL.  The host's own messages (initialise,
// unload) arrive in between through acrxEntryPoint.

#include "core/tw_temp_resource_override.h"
#include "host/acrx.h"
#include "win/types.h"

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

// The name of the module's resource table in the window system's lookup chain.
inline constexpr const char* kModuleResourceTableName = "kvmodule";
// The command group the package registers for this module; cleared at unload.
inline constexpr const char* kModuleCommandGroup = "KARVEL_SS";

extern "C" {
// Returns 1 on success, 0 when the module cannot be attached (its resources are missing).
int DllMain(HINSTANCE instance, DWORD reason, void* reserved);
// Returns AcRx::kRetOK for every message.
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appHandle);
}

namespace frame {

// The state lives from attach to detach.  Before attach (or after detach) the accessors
// give the empty state: no instance, no pictures, an override without a module table.
HINSTANCE moduleInstance();
bool isAttached();
TwTempResourceOverride& moduleResourceOverride();

// The two check-box cell pictures loaded at initialisation; nullptr before it.
HBITMAP checkCellBitmap(bool checked);

// The profile cuts dialog's remembered flag: false at load, kept until unload.
bool profCutsRememberedFlag();
void rememberProfCutsFlag(bool value);

// Attaches with a named resource table; DllMain uses kModuleResourceTableName.  Tests use
// another name to see the attach refused.
bool attachModule(HINSTANCE instance, const char* resourceTableName);
void detachModule();

}  // namespace frame
