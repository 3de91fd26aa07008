#pragma once
// Bills of materials as the core library hands them out: the list-output callback a bill
// producer feeds row by row, the bill record it walks, and the part pictures that may go with
// each row.
//
// createImage draws a small side view of the row's part (its length to scale against the
// longest part of the bill, its holes, a frame) and writes it as a 24-bit BMP file in the
// system's temporary folder.  The caller deletes the file when it has used it.

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"
#include "host/error_status.h"
#include "host/object_id.h"

namespace host {
class DrawingDatabase;
}

// The host's database transaction a bill is read through: the drawing the parts live in.
using Kv_BillTransaction = host::DrawingDatabase;

// One part of a bill, as its picture shows it.
struct Kv_BillPart {
    Kv_String mark;       // the part mark as the bill's rows show it
    double length = 0.0;  // millimetres
    int holes = 0;        // holes along the part
    // When set and alive in the drawing, the drawing's "length" and "holes" win over the
    // values above: the picture shows the part as it is now.
    AcDbObjectId object;
};

class Kv_Bill {
public:
    Kv_Bill() = default;
    Kv_Bill(const Kv_Bill&) = default;
    Kv_Bill& operator=(const Kv_Bill&) = default;
    virtual ~Kv_Bill() = default;

    // The part with that mark (case ignored); nullptr when the bill has none.
    const Kv_BillPart* findPart(const Kv_String& mark) const;
    double longestPart() const;

    Kv_Array<Kv_BillPart> parts;
};

// The callback a bill producer calls: start, each row, each subtotal, page breaks and
// separations, end.  The default handlers do nothing and report success.
class Kv_ListOutputCallback {
public:
    Kv_ListOutputCallback() = default;
    Kv_ListOutputCallback(const Kv_ListOutputCallback&) = default;
    Kv_ListOutputCallback& operator=(const Kv_ListOutputCallback&) = default;
    virtual ~Kv_ListOutputCallback() = default;

    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual void onNewPage() {}
    virtual void onAddRow(const Kv_StringArray& row) { (void)row; }
    virtual void onAddSubTotals(const Kv_StringArray& totals, const Kv_StringArray& others, bool grandTotal,
                                int level) {
        (void)totals, (void)others, (void)grandTotal, (void)level;
    }
    virtual void onAddSeperation() {}
};

// Makes the picture of the row's part.  keyColumn: the index of the row text holding the part
// mark (-1 for the first); height: the picture's height in pixels (below 8 gives 32); count:
// pictures made so far, counted up by each call (it names the files); showHoles: draw the
// holes; framed: draw a frame around the picture.  False (file empty) when the part is not in
// the bill, the bill or transaction is missing, or the file cannot be written.
bool createImage(const Kv_StringArray& row, Kv_String& file, int& keyColumn, int& height, int& count, bool& showHoles,
                 bool& framed, const Kv_Bill* bill, Kv_BillTransaction* transaction);

// The small window that tells a person pictures are being made, and its end.
void initBMPDialog(int height);
void closeBMPDialog();
