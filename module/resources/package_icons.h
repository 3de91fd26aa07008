// The package's icons for icon buttons, shared by every dialog that shows them: 212 add,
// 206 remove or delete, 232 open, 233 save, 217 select (a macro in the drawing), 234 zoom.  Defined once, in module.rc.
#pragma once

#define IDI_KV_REMOVE 206
#define IDI_KV_ADD 212
#define IDI_KV_OPEN 232
#define IDI_KV_SAVE 233
#define IDI_KV_SELECT_MACRO 217
#define IDI_KV_ZOOM 234
