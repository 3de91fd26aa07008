#include "core/print_rect.h"

#include "host/command_line.h"

void acutPrintfRect(const RECT& rect, const Kv_String& label) {
    acutPrintf("%s: (%ld, %ld) - (%ld, %ld), %ld x %ld\n", label.c_str(), static_cast<long>(rect.left),
               static_cast<long>(rect.top), static_cast<long>(rect.right), static_cast<long>(rect.bottom),
               static_cast<long>(rect.right - rect.left), static_cast<long>(rect.bottom - rect.top));
}
