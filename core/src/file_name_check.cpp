#include "core/file_name_check.h"

bool isValidFileName(const Kv_String& name) {
    if (name.isEmpty() || name.length() > 255) return false;
    for (int i = 0; i < name.length(); ++i) {
        unsigned char c = static_cast<unsigned char>(name.at(i));
        if (c < 0x20 || Kv_String("\\/:*?\"<>|").findChar(static_cast<char>(c)) >= 0) return false;
    }
    char last = name.at(name.length() - 1);
    if (last == ' ' || last == '.') return false;
    Kv_String stem = name;
    if (int dot = stem.findChar('.'); dot >= 0) stem = stem.getSubStringAt(0, dot);
    stem.trimRight();
    for (const char* reserved : {"CON", "PRN", "AUX", "NUL"})
        if (stem.equal(reserved, true)) return false;
    if (stem.length() == 4 && (stem.startsWith("COM", true) || stem.startsWith("LPT", true)) && stem.at(3) >= '1' &&
        stem.at(3) <= '9')
        return false;
    return true;
}
