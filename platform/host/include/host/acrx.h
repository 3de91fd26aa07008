#pragma once
// The host's entry point protocol: the messages a loaded application receives and the
// return codes it answers with.

namespace AcRx {

enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

}  // namespace AcRx

// The application handle the host passes with every message: it names the loaded module.
using AcRxAppHandle = void*;

// The signature of the function every application exports as "acrxEntryPoint".
using AcRxEntryPointFunction = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* appHandle);
