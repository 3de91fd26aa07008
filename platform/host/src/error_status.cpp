#include "host/error_status.h"

namespace Acad {

const char* errorStatusText(ErrorStatus status) {
    switch (status) {
    case eOk: return "eOk";
    case eNotImplementedYet: return "eNotImplementedYet";
    case eNotApplicable: return "eNotApplicable";
    case eInvalidInput: return "eInvalidInput";
    case eInvalidIndex: return "eInvalidIndex";
    case eKeyNotFound: return "eKeyNotFound";
    case eDuplicateKey: return "eDuplicateKey";
    case eWrongObjectType: return "eWrongObjectType";
    case eWrongDataType: return "eWrongDataType";
    case eNullObjectId: return "eNullObjectId";
    case eNullPtr: return "eNullPtr";
    case eWasErased: return "eWasErased";
    case eFileNotFound: return "eFileNotFound";
    case eFilerError: return "eFilerError";
    case eFileAccessErr: return "eFileAccessErr";
    case eOutOfMemory: return "eOutOfMemory";
    case eBufferTooSmall: return "eBufferTooSmall";
    case eInvalidOpenState: return "eInvalidOpenState";
    case eNotInDatabase: return "eNotInDatabase";
    case eIsWriteProtected: return "eIsWriteProtected";
    case eCreateFailed: return "eCreateFailed";
    case eBusy: return "eBusy";
    }
    return "eUnknown";
}

}  // namespace Acad
