#pragma once
// A picture per check state of a check box (not a Win32 message): a check box that shows a
// part on or off as two pictures rather than as a mark.  BM_GETIMAGE with IMAGE_BITMAP answers
// the picture of the state the box is in, so that read-back and drawing follow the state; a
// state without its own picture shows the button's BM_SETIMAGE picture.  In a header of its
// own so that the many files that include the message list do not change.

#include "win/types.h"

constexpr UINT BM_SETSTATEIMAGE = 0x01D8;  // wParam: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE;
                                           // lParam: an HBITMAP, nullptr to clear; the old one
