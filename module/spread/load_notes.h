#pragma once
// What a sheet window's last load of a workbook had to tell (characters replaced, functions
// the engine does not know, formulas kept as texts), printed once per load on the command line.

#include "core/kv_string.h"
#include "win/types.h"

void printLoadNotes(HWND sheetWindow, const Kv_String& file);
