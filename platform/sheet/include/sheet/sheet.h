// The sheet model: a grid of cells with their data, formulas, computed values, looks, tags and
// spans, the header row and column, sizes, options and the state a person's editing needs.
//
// Coordinates count from 1; column 0 is the row-header column and row 0 the column-header row.
// Every call checks its coordinates and sizes against the sheet and the limits (limits.h) and
// refuses what does not fit with a false result, leaving the sheet unchanged.  Formulas are
// recalculated incrementally: an edit marks the formulas that read the changed cell, and a
// recalculation (automatic when option kOptAutoCalc is on) computes only those, in dependency
// order, without recursion; a reference cycle gives #CYCLE! in the cells of the cycle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/cell_format.h"
#include "sheet/formula/formula.h"
#include "sheet/formula/function_registry.h"
#include "sheet/limits.h"
#include "sheet/options.h"
#include "sheet/value.h"

namespace sheet {

struct SheetData;

// Settings that are not on/off options; kept with the sheet and in its file.
struct SheetSettings {
    RefStyle refStyle = RefStyle::Default;
    int32_t editEnterAction = 0;  // what Enter does after a commit (0 stay, 1 up, 2 down,
                                  // 3 left, 4 right, 5 next cell in reading order)
    int32_t operationMode = 0;    // 0 normal, 1 read only, 2 row mode, 3 single row select
    int32_t cursorType = 0, cursorStyle = 0;
    uint32_t grayAreaColor = kDefaultColor;
    uint32_t gridColor = kDefaultColor;
    int32_t gridType = 0;
    uint32_t selBackColor = kDefaultColor, selForeColor = kDefaultColor;
    uint32_t lockBackColor = kDefaultColor, lockForeColor = kDefaultColor;
    int32_t appearance = 0;
    int32_t autoSizeVisibleCols = 0, autoSizeVisibleRows = 0;
    int32_t textTipStatus = 0, textTipDelay = 0;
    CellFont textTipFont;
    uint32_t textTipBackColor = kDefaultColor, textTipForeColor = kDefaultColor;
    bool noteIndicator = true;
    // The three action keys (clear, current, ...): key code and modifier flags.
    int32_t actionKeys[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    int32_t defaultColWidth = 64, defaultRowHeight = 20;  // pixels
    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

struct CellSpan {
    CellRef anchor;
    int32_t cols = 1, rows = 1;
    RangeRef range() const { return {anchor, {anchor.col + cols - 1, anchor.row + rows - 1}}; }
    friend bool operator==(const CellSpan&, const CellSpan&) = default;
};

// One stored cell as a walk over the whole sheet sees it (Sheet::forEachCell).
struct CellEntry {
    CellRef at;
    const Value& value;      // the constant, or the formula's last result
    std::string_view typed;  // the text as typed when it differs from the value's own ("1.50")
    std::string_view tag;
    uint32_t formatId = 0;  // the cell's look by number (Sheet::formatById); 0 the default
    bool formula = false;
    bool outOfDate = false;  // a formula not computed since something it reads changed
};

// How the sheet holds its formulas; tests and benchmarks look at it.
struct SheetStats {
    size_t formulaPrograms = 0;  // compiled programs, shared by the cells of a filled formula
    size_t dependencyEdges = 0;  // single cells and small ranges read, one edge per cell
    size_t rangeListeners = 0;   // large ranges read, one listener per range
};

// Why a data text was not entered as the caller meant; the cell keeps what it could.
enum class SetResult {
    Ok,
    OutOfRange,  // refused: outside the sheet
    TooLong,     // refused: the text passes kMaxTextLength
    BadFormula,  // stored as plain text: it begins with '=' but does not parse
};

class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    // Exchanges everything two sheets hold (a load builds a new sheet and swaps it in).
    void swap(Sheet& other) noexcept;
    // Back to a new, empty sheet: no cells, no looks, default size, options and settings; custom
    // functions are kept.
    void reset();

    // --- size -------------------------------------------------------------------------------
    int32_t maxRows() const;
    int32_t maxCols() const;
    // A shrink discards the cells, spans and sizes beyond the new size.
    bool setMaxRows(int32_t rows);
    bool setMaxCols(int32_t cols);
    bool inSheet(CellRef cell) const;  // header cells included

    // --- content ----------------------------------------------------------------------------
    // The text as a person types it: a number, a text, or (with kOptFormulas) "=formula".  An
    // empty text empties the cell's content and keeps its looks and tag.
    SetResult setData(CellRef cell, std::string_view text);
    // The text as a constant, never read as a formula or number.
    SetResult setValueText(CellRef cell, std::string_view text);
    // A formula text without the leading '=' in the sheet's reference style.
    SetResult setFormula(CellRef cell, std::string_view formulaText);
    // A number constant.
    bool setNumber(CellRef cell, double number);
    // Data as typed; for a formula cell the text of its current value.
    std::string data(CellRef cell) const;
    // The formula without '=' in the sheet's reference style; empty for constants.
    std::string formulaText(CellRef cell) const;
    // The computed value of a formula, else the constant.
    Value value(CellRef cell) const;
    // The value as text: for constants exactly the data, for formulas the result's text.
    std::string valueText(CellRef cell) const;
    bool hasFormula(CellRef cell) const;
    // A constant as it stands, of any value type; `typed` is kept as the cell's data when it
    // differs from the value's own text ("1.50" for 1.5).  An empty value empties the content.
    bool setValue(CellRef cell, Value value, std::string_view typed = {});
    // A formula (without '=') in the given reference style.  With `knownResult` (a file that
    // saved it) the cell starts up to date with that result instead of out of date.
    SetResult setFormula(CellRef cell, std::string_view formulaText, RefStyle style,
                         const Value* knownResult = nullptr);
    // The formula without '=' in the given reference style; empty for constants.
    std::string formulaText(CellRef cell, RefStyle style) const;
    // Empties content (and with alsoLooks the looks, tag and spans) of every cell in range.
    bool clearRange(const RangeRef& range, bool alsoLooks);

    std::string tag(CellRef cell) const;
    bool setTag(CellRef cell, std::string_view text);

    // --- looks ------------------------------------------------------------------------------
    const CellFormat& format(CellRef cell) const;
    // Looks are interned and numbered: equal looks share one number, 0 is the default look.
    // The numbers are the sheet's own; a file writes them and a load maps them anew.
    size_t formatCount() const;
    const CellFormat& formatById(uint32_t id) const;
    // The number of a look equal to `format`, added when the sheet has none yet.
    uint32_t addFormat(const CellFormat& format);
    // Gives the cell the look numbered `id` (from addFormat); false for an unknown number.
    bool setFormatId(CellRef cell, uint32_t id);
    bool setCellType(const RangeRef& range, const CellTypeRecord& type);
    bool setLocked(const RangeRef& range, bool locked);
    bool setFont(const RangeRef& range, const CellFont& font);
    bool setColors(const RangeRef& range, uint32_t back, uint32_t fore);
    // sides: kBorder* bits; kBorderOutline stands for all four.
    bool setBorder(const RangeRef& range, uint32_t sides, int16_t style, uint32_t color);

    // Spans: a span covers cols x rows cells from its anchor; spans never overlap.
    bool addSpan(CellRef anchor, int32_t cols, int32_t rows);
    bool removeSpan(CellRef anchor);
    std::optional<CellSpan> spanAt(CellRef cell) const;
    const std::vector<CellSpan>& spans() const;
    // Replaces every span at once (a load): refused, changing nothing, when a span leaves the
    // sheet, there are more than kMaxSpans or two overlap.  1 x 1 spans are dropped.  Checking
    // costs n log n, where adding them one by one would compare each with all before it.
    bool setSpans(std::vector<CellSpan> spans);

    // Pixel sizes; col/row 0 is the header.  A negative size means the default.
    int32_t colWidth(int32_t col) const;
    int32_t rowHeight(int32_t row) const;
    bool setColWidth(int32_t col, int32_t pixels);
    bool setRowHeight(int32_t row, int32_t pixels);
    // The sizes set explicitly, as (column or row, pixels) in ascending order.
    std::vector<std::pair<int32_t, int32_t>> colWidthsSet() const;
    std::vector<std::pair<int32_t, int32_t>> rowHeightsSet() const;

    bool option(int number) const;
    bool setOption(int number, bool on);
    const SheetSettings& settings() const;
    SheetSettings& settings();

    // --- structure --------------------------------------------------------------------------
    // Rows/columns inserted before `at` (1..max+1) or deleted from `at`; the sheet keeps its
    // size (the last rows fall off an insert, empty ones come in after a delete), as the
    // engine's callers expect.  Formulas, spans, sizes and looks move with their cells.
    bool insertRows(int32_t at, int32_t count);
    bool deleteRows(int32_t at, int32_t count);
    bool insertCols(int32_t at, int32_t count);
    bool deleteCols(int32_t at, int32_t count);
    // Copies the range's cells (content, looks, tags; relative references shift) so that its
    // top left lands on `to`; spans inside the range are copied too.  Overlap is allowed.
    bool copyRange(const RangeRef& from, CellRef to);
    // Exchanges the range with the same-sized block at `with`; the blocks must not overlap.
    // Each block moves as a copy would (relative references shift with it), so a row's formula
    // that reads its own row still does after the swap.
    bool swapRange(const RangeRef& from, CellRef with);

    // --- calculation ------------------------------------------------------------------------
    // Computes every formula that is out of date.
    void recalc();
    // Computes every formula, whether or not marked.
    void recalcAll();
    // Computes one cell (and whatever it reads that is out of date).
    void recalcCell(CellRef cell);
    size_t dirtyCount() const;
    const FunctionRegistry& functions() const;
    // Adds or replaces a custom function; formulas that call it are computed again.
    bool addFunction(FunctionDef def);
    void removeCustomFunctions();
    // While a sheet is filled from a file, entries do not mark the formulas that read them: a
    // file's formulas are out of date or hold their saved results already, and looking for
    // readers of every cell entered would only cost time.
    void setLoading(bool on);
    SheetStats stats() const;

    // --- whole-sheet walks --------------------------------------------------------------------
    // Calls visit(entry) for every cell that holds content, a look or a tag, in reading order
    // (rows ascending, each left to right; headers included).  Costs the cells stored, not the
    // area they span.  The sheet must not change during the walk.
    void forEachCell(const std::function<void(const CellEntry&)>& visit) const;
    // Calls visit(cell, data, look) for every cell of the range (clipped to the sheet), stored or
    // not, in reading order (rows ascending, each left to right): the data as data() gives it, the look as
    // format() does, for one look-up of the cell where those two cost one each and a string.
    // The text lasts until visit returns.  The sheet must not change during the walk.
    void forEachInRange(const RangeRef& range,
                        const std::function<void(CellRef, std::string_view, const CellFormat&)>& visit) const;

    // --- state of a person's work -----------------------------------------------------------
    CellRef activeCell() const;
    bool setActiveCell(CellRef cell);
    // The selected block; nullopt when only the active cell is selected.  -1 in a corner means
    // whole rows (col) or whole columns (row).
    std::optional<RangeRef> selection() const;
    void setSelection(std::optional<RangeRef> block);

private:
    std::unique_ptr<SheetData> d_;
};

// The text of a cell as a person reads a column name: 1 -> "A", 27 -> "AA".
std::string columnName(int32_t col);

}  // namespace sheet
