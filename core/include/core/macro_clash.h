#pragma once
// The clash check of the macro dialogs: the extents of the edited macro instances against
// every other object of the drawing.  An object's extents are its points "minPoint" and
// "maxPoint"; objects without both are never in a clash.  Two extents clash when their
// insides overlap (touching faces do not).
//
// The check is on or off for the whole session (clashSetStatus; on at start), whatever
// dialog is open.  Each dialog (by its number: -1 for the modal one, else its modeless
// number) has its own record of the clashes already reported, so a clash is reported once
// until clashResetInfo, or until it is gone and comes back.  A report is one command-line
// line "Clash: #<instance> with #<object>" and a "clash" entry in the drawing log.

#include "host/ac_array.h"
#include "host/object_id.h"

// A dialog opened: its record starts empty.
void clashInitDlgStarted(int dialogId);
// The dialog's instances changed: forget what was reported.
void clashResetInfo(int dialogId, const AcArray<AcDbObjectId>& ids);
// Checks the instances of ids (when the check is on); reports the clashes not reported yet
// and returns the number of clashing pairs found (0 when off).
int clashcheck(int dialogId, const AcArray<AcDbObjectId>& ids);
void clashGetStatus(bool& on);
void clashSetStatus(bool on);
// The dialog closed: its record goes.
void clashDlgClosed(int dialogId);
