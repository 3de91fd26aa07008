#pragma once
// Results of host and core library operations.  Failures cross library boundaries as one of
// these values, never as exceptions.

namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet,
    eNotApplicable,
    eInvalidInput,
    eInvalidIndex,
    eKeyNotFound,
    eDuplicateKey,
    eWrongObjectType,
    eWrongDataType,
    eNullObjectId,
    eNullPtr,
    eWasErased,
    eFileNotFound,
    eFilerError,
    eFileAccessErr,
    eOutOfMemory,
    eBufferTooSmall,
    eInvalidOpenState,
    eNotInDatabase,
    eIsWriteProtected,
    eCreateFailed,
    eBusy,
};

// The name of the value ("eKeyNotFound"), for trace lines and JSON.
const char* errorStatusText(ErrorStatus status);

}  // namespace Acad
