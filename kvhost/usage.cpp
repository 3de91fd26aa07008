#include "usage.h"

namespace kvhost {

const char* usageText() {
    return R"(kvhost: loads the module like the CAD host does and runs scenarios against it.

Usage:
  kvhost run [--module LIB] [--shots DIR] SCENARIO.json...
  kvhost shot [--module LIB] SCENARIO.json DIALOG_ID PICTURE.png|.svg
  kvhost list [--module LIB]
  kvhost serve [--module LIB] [--port N] [--record FILE] [--samples DIR]
  kvhost --help

run    Loads the module (dlopen, attach, initialise message), runs each scenario's steps in
       order, then sends the unload message and detaches.  --shots DIR writes a picture of
       every dialog when it is first shown and just before it closes:
       DIR/NNN-<resource id>-shown.png and DIR/NNN-<resource id>-closing.png, numbered in
       order over the whole run ("messagebox" and "filedialog" stand for the id of those).
shot   Runs the scenario and writes a picture of the dialog with that resource id as it
       looks when it is first shown.
list   Prints the module's callable exports.
serve  Serves a page on http://127.0.0.1:N/ (a free port by default; the address is printed)
       where a person runs every callable export and uses the dialogs it opens with mouse and
       keyboard, answers picks and file dialogs with small forms, and sees the outputs and the
       command line.  Only one page at a time uses the session; others watch.  --record FILE
       writes what the person did as a scenario (with checks of what the dialogs showed when
       each call returned) that "kvhost run" replays.  --samples DIR: scenarios whose
       arguments prefill the page (default: the sample scenarios shipped with kvhost).
       Stops on Ctrl+C.
The module defaults to $KV_MODULE, else lib/libkvmodule.so beside an installed kvhost's
bin/, else the module of the build tree this kvhost was built in.

Scenario file (JSON, texts in UTF-8):
  {
    "title": "Ask for a beam name",                  optional
    "steps": [
      { "call": "TextEntryDialog",                   an exported function (see kvhost list)
        "arguments": { "title": "New beam", "text": "B1" },   records in their JSON form
        "user": [                                    the person answering the dialogs
          { "do": "type", "dialog": 8069, "text": "Main beam" },
          { "do": "click", "dialog": 8069, "control": 1 }
        ],
        "print": ["result", "record"],               what to print after the call
        "expect": { "result": true }                 outputs that must be equal
      },
      { "print": ["commandLine", "drawingLog"] }     a step that only prints
    ]
  }

A step may put objects into the drawing before its call (or on its own), what a person drew
earlier: macro instances to edit, objects to pick.  Ids are given in order, from 1 at the
start of the run and counting on over its scenarios; each is printed as "drawing: added #N
type":
  { "drawing": [ { "type": "beam", "properties": { "profile": "IPE200", "length": 3000,
                   "start": {"x": 0, "y": 0, "z": 0} } } ] }
  property values: integer, number, text, or a point {"x", "y"[, "z"]}; what the core library
  reads of an object (a macro instance's module name and values) is in docs/macro-dialogs.md.

User actions ("dialog" is a dialog's resource id, 0 the active window; "control" a control
id, 0 the dialog itself):
  {"do":"click", "dialog":D, "control":C [, "modifiers":["shift","ctrl","alt"]] [, "at":[x, y]]}
      ("at": a point of the control's client area in pixels; default its middle)
  {"do":"doubleClick", "dialog":D, "control":C [, "at":[x, y]]}
  {"do":"rightClick", "dialog":D, "control":C, "at":[x, y]}
  {"do":"mouseDown"|"mouseMove"|"mouseUp", "dialog":D, "control":C, "at":[x, y] [, "modifiers":[...]]}
      a drag: the left button pressed, the mouse moved, the button released
  {"do":"wheel", "dialog":D, "control":C, "at":[x, y], "notches":N}   positive: away from the user
  {"do":"resize", "dialog":D, "size":[width, height]}   dragging the frame to a new window size
  {"do":"type", "dialog":D, "text":"..."}            to the focused control
  {"do":"key", "dialog":D, "key":"ENTER" [, "modifiers":[...]]}
        keys: ENTER ESCAPE TAB SPACE BACK DELETE HOME END LEFT RIGHT UP DOWN PRIOR NEXT
              INSERT F1 F2, a letter or digit, or a virtual key number
  {"do":"choose", "dialog":D, "control":C, "index":N}   or "item":"text" (list or combo box)
  {"do":"toggleCheck", "dialog":D, "control":C, "index":N}
  {"do":"chooseTab", "dialog":D, "control":C, "index":N}
  {"do":"close", "dialog":D}                         the caption's close box
  {"do":"answerMessageBox", "button":6}              IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7
  {"do":"answerFileDialog", "path":"..."}   {"do":"cancelFileDialog"}
  {"do":"chooseMenuItem", "command":N}      {"do":"dismissMenu"}
      the open popup menu: a click on the item, or Escape (arrow keys, Enter and letters
      sent with "key" and "type" work the open menu too; a click elsewhere closes it)
  {"do":"pick", "point":[x, y, z]}   {"do":"pick", "object":ID [, "pickedAt":[x, y, z]]}
  {"do":"pick", "plane":[ox, oy, oz, nx, ny, nz]}   (or origin and two axes, 9 numbers)
  {"do":"pick", "cancel":true}
      answers the pick the host asks for: typed at the drawing's prompt, then Enter (Escape)
  {"do":"wait", "ms":50}                             advances the virtual clock
  {"do":"shot", "dialog":D, "file":"x.png"}          a picture of the open dialog now
  {"do":"print", "dialog":D}                         prints the dialog's windows now
  {"do":"check", "dialog":D [, "control":C], ...}    what the dialog shows now, any of:
      "text":"..."          the control's text (an edit's content, a button's label)
      "caption":"..."       the dialog's caption (control 0)
      "enabled":true  "visible":true  "focused":true
      "checked":true|false|0|1|2   check box or radio button (2: indeterminate)
      "items":["..", ..]    list, combo or tab entries in order
      "selection":N         the selected entry (-1: none), or [N, ..] for several
      "cell":[col,row], "cellText":"..."   the text a sheet control shows in a cell
    The check reads the windows as a person sees them, never the dialog's own variables.
    A difference fails the step with what was expected and what is shown.
Actions left when the call returns are played against the windows it left open.

Print: "result" (the function's result), "outputs" (everything it gave back), "record" (the
record it gave back), "commandLine" (what was printed on the host's command line since the
last time it was printed), "drawingLog" (every change made to the drawing), "dialog:D" (the
windows of dialog D left open, one line each: kind, #id, [class], text and state, the
non-empty rows of a sheet; the same form as the "print" action, to see what to check).

Exit status: 0 every step succeeded; 1 a step failed (unknown function, refused argument,
user action for a dialog that is not open, unused actions, unmet expectation); 2 a scenario
could not be read or the command line is wrong; 3 the module could not be loaded.  Every
failure prints "file: step N: reason" on standard error and stops the run.
)";
}

}  // namespace kvhost
