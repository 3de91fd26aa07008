#include "core/file_name_check.h"

#include "core/kv_texts.h"
#include "win/types.h"
#include "win/constants.h"
#include "win/winuser.h"

bool warnInvalidFileName(const Kv_String& name) {
    if (isValidFileName(name)) return false;
    Kv_String text = string(20001) + "\n\"" + name + "\"\n\n" + string(20002);
    MessageBox(GetActiveWindow(), text.c_str(), string(20000).c_str(), MB_OK | MB_ICONWARNING);
    return true;
}
