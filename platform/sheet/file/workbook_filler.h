// Fills a sheet from one sheet of a workbook through liborcus' import interfaces, using only
// the sheet's public calls.  The sheet given is a new one that the reader swaps in only when
// everything was read: the filler stops the read by throwing WorkbookError when the content
// passes the engine's limits.
#pragma once

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include <orcus/spreadsheet/import_interface.hpp>

#include "file/workbook_formulas.h"
#include "file/workbook_styles.h"
#include "sheet/sheet.h"

namespace sheet {

struct WorkbookError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a read met besides the content: the notes a person is told once per file.
struct WorkbookNotes {
    size_t replacedCharacters = 0;              // characters without a code page 1252 form
    std::set<std::string> unknownFunctions;     // kept with their cached results
    std::vector<std::string> unparsedFormulas;  // cells whose formula is kept as its text
    std::vector<std::string> arrayFormulas;     // cells of array formulas kept as values
};

class WorkbookStrings : public orcus::spreadsheet::iface::import_shared_strings {
public:
    explicit WorkbookStrings(WorkbookNotes& notes) : notes_(notes) {}
    const std::string* get(size_t index) const { return index < strings_.size() ? &strings_[index] : nullptr; }
    size_t append(std::string_view s) override;
    size_t add(std::string_view s) override;
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
    void append_segment(std::string_view s) override { segments_ += s; }
    size_t commit_segments() override;

private:
    WorkbookNotes& notes_;
    std::vector<std::string> strings_;
    std::unordered_map<std::string, size_t> index_;
    std::string segments_;
};

class WorkbookFiller;

// The formula cells of one sheet, one at a time.
class WorkbookFormulaCell : public orcus::spreadsheet::iface::import_formula {
public:
    explicit WorkbookFormulaCell(WorkbookFiller* filler) : filler_(filler) {}
    void set_position(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col) override;
    void set_formula(orcus::spreadsheet::formula_grammar_t grammar, std::string_view formula) override;
    void set_shared_formula_index(size_t index) override { shared_ = index; }
    void set_result_string(std::string_view value) override;
    void set_result_value(double value) override { result_ = Value::number(value); }
    void set_result_bool(bool value) override { result_ = Value::number(value ? 1 : 0); }
    void set_result_empty() override { result_ = Value(); }
    void commit() override;

private:
    WorkbookFiller* filler_;
    orcus::spreadsheet::row_t row_ = 0;
    orcus::spreadsheet::col_t col_ = 0;
    std::string text_;
    size_t shared_ = SIZE_MAX;
    Value result_;
};

// Array formulas: the engine has none; their cells keep the results the file carries.
class WorkbookArrayFormula : public orcus::spreadsheet::iface::import_array_formula {
public:
    explicit WorkbookArrayFormula(WorkbookFiller* filler) : filler_(filler) {}
    void set_range(const orcus::spreadsheet::range_t& range) override { range_ = range; }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_result_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                           std::string_view value) override;
    void set_result_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value) override;
    void set_result_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value) override;
    void set_result_empty(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t) override {}
    void commit() override;

private:
    CellRef cellOf(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col);
    WorkbookFiller* filler_;
    orcus::spreadsheet::range_t range_{};
};

// One sheet of the workbook: the wanted one fills the engine's sheet, the others are read
// past (their calls do nothing).
class WorkbookSheet : public orcus::spreadsheet::iface::import_sheet,
                      public orcus::spreadsheet::iface::import_sheet_properties {
public:
    WorkbookSheet(WorkbookFiller* filler, std::string name, bool wanted);
    const std::string& name() const { return name_; }

    orcus::spreadsheet::iface::import_sheet_properties* get_sheet_properties() override { return this; }
    orcus::spreadsheet::iface::import_formula* get_formula() override { return &formula_; }
    orcus::spreadsheet::iface::import_array_formula* get_array_formula() override { return &array_; }
    void set_auto(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, std::string_view s) override;
    void set_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                    orcus::spreadsheet::string_id_t sindex) override;
    void set_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value) override;
    void set_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value) override;
    void set_date_time(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, int year, int month, int day,
                       int hour, int minute, double second) override;
    void set_format(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, size_t xf) override;
    void set_format(orcus::spreadsheet::row_t rowStart, orcus::spreadsheet::col_t colStart,
                    orcus::spreadsheet::row_t rowEnd, orcus::spreadsheet::col_t colEnd, size_t xf) override;
    void fill_down_cells(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                         orcus::spreadsheet::row_t count) override;
    orcus::spreadsheet::range_size_t get_sheet_size() const override;

    void set_column_width(orcus::spreadsheet::col_t col, double width, orcus::length_unit_t unit) override;
    void set_column_hidden(orcus::spreadsheet::col_t col, bool hidden) override;
    void set_row_height(orcus::spreadsheet::row_t row, double height, orcus::length_unit_t unit) override;
    void set_row_hidden(orcus::spreadsheet::row_t row, bool hidden) override;
    void set_merge_cell_range(const orcus::spreadsheet::range_t& range) override;

private:
    WorkbookFiller* filler_;  // null for a sheet that is read past
    std::string name_;
    WorkbookFormulaCell formula_;
    WorkbookArrayFormula array_;
};

// Cell and range addresses in the workbook's own texts ("B3", "$A$1:$C$9", ".A1" of the open
// document format), for the parts orcus reads by address (merged ranges, shared formulas).
class WorkbookAddresses : public orcus::spreadsheet::iface::import_reference_resolver {
public:
    orcus::spreadsheet::src_address_t resolve_address(std::string_view address) override;
    orcus::spreadsheet::src_range_t resolve_range(std::string_view range) override;
};

class WorkbookFiller : public orcus::spreadsheet::iface::import_factory,
                       public orcus::spreadsheet::iface::import_global_settings {
public:
    // `wanted` names the sheet to read (compared ignoring case); empty: the first.
    WorkbookFiller(Sheet& fresh, std::string wanted, FormulaDialect dialect);
    ~WorkbookFiller() override;

    orcus::spreadsheet::iface::import_global_settings* get_global_settings() override { return this; }
    orcus::spreadsheet::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    orcus::spreadsheet::iface::import_styles* get_styles() override { return &styles_; }
    orcus::spreadsheet::iface::import_reference_resolver* get_reference_resolver(
        orcus::spreadsheet::formula_ref_context_t) override {
        return &addresses_;
    }
    orcus::spreadsheet::iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t index,
                                                          std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override;
    void finalize() override {}

    // Dates arrive as calendar dates (set_date_time) or as the file's own numbers.
    void set_origin_date(int, int, int) override {}
    void set_default_formula_grammar(orcus::spreadsheet::formula_grammar_t g) override { grammar_ = g; }
    orcus::spreadsheet::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

    // After the read: sizes the sheet to what it holds, gives cells the looks of their rows and
    // columns, adds the spans and computes the formulas.  Throws WorkbookError when the wanted
    // sheet was not in the workbook.
    void finish();
    WorkbookNotes& notes() { return notes_; }

private:
    friend class WorkbookSheet;
    friend class WorkbookFormulaCell;
    friend class WorkbookArrayFormula;
    CellRef cellAt(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col);
    void grow(CellRef at);
    void putText(CellRef at, std::string_view cp1252);
    void putLook(CellRef at, size_t xf);
    void enterFormula(CellRef at, std::string text, const Value& result);
    std::string text(std::string_view utf8);

    Sheet& sheet_;
    std::string wanted_;
    FormulaDialect dialect_;
    orcus::spreadsheet::formula_grammar_t grammar_ = orcus::spreadsheet::formula_grammar_t::unknown;
    WorkbookNotes notes_;
    WorkbookStrings strings_{notes_};
    WorkbookStyles styles_;
    WorkbookAddresses addresses_;
    std::vector<std::unique_ptr<WorkbookSheet>> sheets_;
    WorkbookSheet* target_ = nullptr;
    int32_t usedCols_ = 0, usedRows_ = 0;
    // Cells of one row with the same look side by side, given their look together.
    struct LookRun {
        int32_t row, first, last;
        size_t xf;
    };
    std::vector<LookRun> lookRuns_;
    struct RangeLook {
        RangeRef range;
        size_t xf;
    };
    std::vector<RangeLook> rangeLooks_;
    std::vector<CellSpan> spans_;
    struct FormulaWithResult {
        CellRef at;
        std::string text;
        Value result;
    };
    std::vector<FormulaWithResult> withResults_;
    std::unordered_map<size_t, std::pair<CellRef, std::string>> sharedFormulas_;
};

}  // namespace sheet
