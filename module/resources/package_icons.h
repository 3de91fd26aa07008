// The package's icons for icon buttons, shared by every dialog that shows them: 212 add,
// 206 remove or delete, 232 open, 233 save.  Defined once, in module.rc.
#pragma once

#define IDI_KV_REMOVE 206
#define IDI_KV_ADD 212
#define IDI_KV_OPEN 232
#define IDI_KV_SAVE 233
