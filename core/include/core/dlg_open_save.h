#pragma once
// DlgOpenSave: the core library's file dialog call, over the window system's common file dialog.
//
//   open       true for opening (the file must exist), false for saving (an existing file is
//              only replaced after the dialog's overwrite question)
//   extension  without the dot ("txt"); names typed without extension get it
//   filter     the description shown for the type ("Dialog templates (*.txt)"); the pattern is
//              "*." + extension.  A filter that already holds '|' is taken as a full filter
//              ("desc|*.a|desc|*.b||").
//   title      the dialog's caption
//   path       in: the start folder (ending in a separator, or an existing folder) or a file
//              (its folder is the start folder, its name the proposal); out: the chosen file
// Returns true when a file was chosen; false when cancelled, leaving path as it was.
// Package paths go through the core library's path mapping; the chosen path comes back with
// the host's separators.

#include "core/kv_string.h"

bool DlgOpenSave(bool open, const Kv_String& extension, const Kv_String& filter, const Kv_String& title,
                 Kv_String& path);
