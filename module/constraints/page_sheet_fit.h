#pragma once
// The columns of a constraint editor page's list share the list's width, less the vertical
// scroll bar the list shows when its rows do not fit: equal widths over the whole client
// area would push the last column under the bar and bring up a horizontal one.

class Kv_Spread;

void fitPageSheetColumns(Kv_Spread& sheet);
