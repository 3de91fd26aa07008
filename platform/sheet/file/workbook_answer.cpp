// Layout (both ends are the same program, so fields are in the machine's own byte order):
//   "KVWA" u8 outcome (0 read, 1 failed)
//   failed: text why
//   read:   u32 notes, text each
//           i32 cols, i32 rows, u64 options
//           u32 formats (numbered from 1), each format's fields
//           u32 widths, (i32 col, i32 pixels) each; u32 heights, (i32 row, i32 pixels) each
//           u32 spans, (i32 col, i32 row, i32 cols, i32 rows) each
//           u32 cells, each i32 col, i32 row, u32 format, u8 kind and the kind's fields
//           u32 tags, (i32 col, i32 row, text) each
//   and nothing after.  A text is u32 length and its bytes.
#include "file/workbook_answer.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "sheet/limits.h"

namespace sheet {

namespace {

constexpr std::string_view kMagic = "KVWA";
constexpr uint8_t kRead = 0, kFailed = 1;
constexpr size_t kMaxNoteLength = 65'536;
constexpr size_t kMaxFaceLength = 255;

// What a cell holds, after its position and format.
enum class Content : uint8_t {
    LooksOnly,     // no content
    Number,        // f64
    TypedNumber,   // f64, text as typed
    Text,          // text
    Boolean,       // u8 0 or 1
    Error,         // u8 error kind
    StaleFormula,  // text: a formula not yet computed
    Formula,       // text, then its result as u8 value kind and that kind's fields
};
constexpr uint8_t kLastCellKind = static_cast<uint8_t>(Content::Formula);

class AnswerWriter {
public:
    std::string out;
    template <typename T>
    void put(T v) {
        static_assert(std::is_trivially_copyable_v<T>);
        char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        out.append(bytes, sizeof(T));
    }
    void text(std::string_view s) {
        put(static_cast<uint32_t>(s.size()));
        out += s;
    }
    void count(size_t n) { put(static_cast<uint32_t>(n)); }
};

void writeFont(AnswerWriter& w, const CellFont& f) {
    w.text(f.face);
    w.put(f.height);
    w.put(f.weight);
    w.put(static_cast<uint8_t>(f.italic));
    w.put(static_cast<uint8_t>(f.underline));
}

void writeFormat(AnswerWriter& w, const CellFormat& f) {
    const CellTypeRecord& t = f.type;
    w.put(static_cast<int32_t>(t.kind));
    w.put(t.style);
    w.put(t.maxLength);
    w.put(t.decimals);
    w.put(t.charSet);
    w.put(t.charCase);
    w.put(t.flag);
    w.put(t.minimum);
    w.put(t.maximum);
    for (int16_t k : t.pictureKinds) w.put(k);
    w.text(t.text);
    w.put(static_cast<uint8_t>(f.locked));
    w.put(f.backColor);
    w.put(f.foreColor);
    writeFont(w, f.font);
    for (const BorderSide& b : f.border) {
        w.put(b.style);
        w.put(b.color);
    }
}

void writeValue(AnswerWriter& w, const Value& v) {
    w.put(static_cast<uint8_t>(v.type()));
    switch (v.type()) {
    case ValueType::Empty: break;
    case ValueType::Number: w.put(v.asNumber()); break;
    case ValueType::Text: w.text(v.asText()); break;
    case ValueType::Boolean: w.put(static_cast<uint8_t>(v.asBool())); break;
    case ValueType::Error: w.put(static_cast<uint8_t>(v.asError())); break;
    }
}

void writeSheet(AnswerWriter& w, const Sheet& sheet) {
    w.put(sheet.maxCols());
    w.put(sheet.maxRows());
    uint64_t options = 0;
    for (int o = 0; o < kOptionCount; ++o)
        if (sheet.option(o)) options |= uint64_t{1} << o;
    w.put(options);
    w.count(sheet.formatCount() - 1);
    for (uint32_t id = 1; id < sheet.formatCount(); ++id) writeFormat(w, sheet.formatById(id));
    for (const auto& sizes : {sheet.colWidthsSet(), sheet.rowHeightsSet()}) {
        w.count(sizes.size());
        for (auto [index, pixels] : sizes) {
            w.put(index);
            w.put(pixels);
        }
    }
    w.count(sheet.spans().size());
    for (const CellSpan& s : sheet.spans()) {
        w.put(s.anchor.col);
        w.put(s.anchor.row);
        w.put(s.cols);
        w.put(s.rows);
    }
    // The cell count goes before the cells: its place is kept and filled in after the walk.
    const size_t countAt = w.out.size();
    w.count(0);
    uint32_t cells = 0;
    std::vector<std::pair<CellRef, std::string>> tags;
    sheet.forEachCell([&](const CellEntry& c) {
        ++cells;
        w.put(c.at.col);
        w.put(c.at.row);
        w.put(c.formatId);
        if (c.formula) {
            w.put(c.outOfDate ? Content::StaleFormula : Content::Formula);
            w.text(sheet.formulaText(c.at, RefStyle::A1));
            if (!c.outOfDate) writeValue(w, c.value);
        } else if (c.value.isNumber()) {
            w.put(c.typed.empty() ? Content::Number : Content::TypedNumber);
            w.put(c.value.asNumber());
            if (!c.typed.empty()) w.text(c.typed);
        } else if (c.value.isText()) {
            w.put(Content::Text);
            w.text(c.value.asText());
        } else if (c.value.isBool()) {
            w.put(Content::Boolean);
            w.put(static_cast<uint8_t>(c.value.asBool()));
        } else if (c.value.isError()) {
            w.put(Content::Error);
            w.put(static_cast<uint8_t>(c.value.asError()));
        } else {
            w.put(Content::LooksOnly);
        }
        if (!c.tag.empty()) tags.emplace_back(c.at, std::string(c.tag));
    });
    std::memcpy(w.out.data() + countAt, &cells, sizeof cells);
    w.count(tags.size());
    for (const auto& [at, tag] : tags) {
        w.put(at.col);
        w.put(at.row);
        w.text(tag);
    }
}

// Reads fields off the answer; every read fails once the answer has too few bytes left.
class AnswerCursor {
public:
    explicit AnswerCursor(std::string_view bytes) : s_(bytes) {}
    template <typename T>
    bool get(T& v) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (s_.size() - pos_ < sizeof(T)) return false;
        std::memcpy(&v, s_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return true;
    }
    bool flag(bool& v) {
        uint8_t b;
        if (!get(b) || b > 1) return false;
        v = b == 1;
        return true;
    }
    bool finite(double& v) { return get(v) && std::isfinite(v); }
    bool text(std::string& out, size_t maxLength) {
        uint32_t n;
        if (!get(n) || n > maxLength || n > s_.size() - pos_) return false;
        out.assign(s_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    // A count of records at least `eachBytes` long: no more than the answer can still hold.
    bool count(uint32_t& n, size_t eachBytes) { return get(n) && n <= (s_.size() - pos_) / eachBytes; }
    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }
    bool atEnd() const { return pos_ == s_.size(); }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

class SheetTaker {
public:
    SheetTaker(Sheet& fresh, AnswerCursor& c) : sheet_(fresh), c_(c) {}

    // Empty when the sheet was taken whole, else what is wrong.
    std::string run() {
        int32_t cols, rows;
        uint64_t options;
        if (!c_.get(cols) || !c_.get(rows) || !c_.get(options)) return "its size is missing";
        if (!sheet_.setMaxCols(cols) || !sheet_.setMaxRows(rows)) return "its size is not valid";
        for (int o = 0; o < kOptionCount; ++o)
            if (o != kOptAutoCalc) sheet_.setOption(o, options >> o & 1);
        if (!formats()) return "a cell format is not valid";
        if (!sizes(true) || !sizes(false)) return "a column width or row height is not valid";
        if (!spans()) return "a merged range is not valid";
        if (!cells()) return "a cell is not valid";
        if (!tags()) return "a cell tag is not valid";
        if (!c_.atEnd()) return "it has data after its end";
        if (!sheet_.setSpans(std::move(spans_))) return "its merged ranges overlap";
        const bool autoCalc = options >> kOptAutoCalc & 1;
        if (autoCalc) sheet_.recalc();
        sheet_.setOption(kOptAutoCalc, autoCalc);
        return {};
    }

private:
    bool font(CellFont& f) {
        return c_.text(f.face, kMaxFaceLength) && c_.get(f.height) && c_.get(f.weight) && c_.flag(f.italic) &&
               c_.flag(f.underline);
    }

    bool formats() {
        uint32_t n;
        if (!c_.count(n, 64)) return false;
        ids_.reserve(n + 1);
        ids_.push_back(0);
        for (uint32_t i = 0; i < n; ++i) {
            CellFormat f;
            CellTypeRecord& t = f.type;
            int32_t kind;
            if (!c_.get(kind) || !isKnownCellKind(kind) || !c_.get(t.style) || !c_.get(t.maxLength) ||
                !c_.get(t.decimals) || !c_.get(t.charSet) || !c_.get(t.charCase) || !c_.get(t.flag) ||
                !c_.finite(t.minimum) || !c_.finite(t.maximum))
                return false;
            t.kind = static_cast<CellKind>(kind);
            for (int16_t& k : t.pictureKinds)
                if (!c_.get(k)) return false;
            if (!c_.text(t.text, kMaxTextLength) || !c_.flag(f.locked) || !c_.get(f.backColor) ||
                !c_.get(f.foreColor) || !font(f.font))
                return false;
            for (BorderSide& b : f.border)
                if (!c_.get(b.style) || !c_.get(b.color)) return false;
            ids_.push_back(sheet_.addFormat(f));
        }
        return true;
    }

    bool sizes(bool widths) {
        uint32_t n;
        if (!c_.count(n, 8)) return false;
        for (uint32_t i = 0; i < n; ++i) {
            int32_t index, pixels;
            if (!c_.get(index) || !c_.get(pixels) || pixels < 0) return false;
            if (!(widths ? sheet_.setColWidth(index, pixels) : sheet_.setRowHeight(index, pixels))) return false;
        }
        return true;
    }

    bool spans() {
        uint32_t n;
        if (!c_.count(n, 16) || n > kMaxSpans) return false;
        spans_.reserve(n);
        for (uint32_t i = 0; i < n; ++i) {
            CellSpan s;
            if (!c_.get(s.anchor.col) || !c_.get(s.anchor.row) || !c_.get(s.cols) || !c_.get(s.rows)) return false;
            if (s.cols < 1 || s.rows < 1 || s.cols > kMaxSheetCols || s.rows > kMaxSheetRows ||
                !sheet_.inSheet(s.anchor) || !sheet_.inSheet(s.range().last))
                return false;
            spans_.push_back(s);
        }
        return true;
    }

    bool value(Value& v) {
        uint8_t type;
        if (!c_.get(type)) return false;
        switch (static_cast<ValueType>(type)) {
        case ValueType::Empty: v = Value(); return true;
        case ValueType::Number: {
            double n;
            if (!c_.finite(n)) return false;
            v = Value::number(n);
            return true;
        }
        case ValueType::Text: {
            std::string s;
            if (!c_.text(s, kMaxTextLength)) return false;
            v = Value::text(std::move(s));
            return true;
        }
        case ValueType::Boolean: {
            bool b;
            if (!c_.flag(b)) return false;
            v = Value::boolean(b);
            return true;
        }
        case ValueType::Error: return error(v);
        }
        return false;
    }

    bool error(Value& v) {
        uint8_t kind;
        if (!c_.get(kind) || kind > static_cast<uint8_t>(ErrorKind::Cycle)) return false;
        v = Value::error(static_cast<ErrorKind>(kind));
        return true;
    }

    bool cell() {
        CellRef at;
        uint32_t format;
        uint8_t kind;
        if (!c_.get(at.col) || !c_.get(at.row) || !sheet_.inSheet(at) || !c_.get(format) || format >= ids_.size() ||
            !c_.get(kind) || kind > kLastCellKind)
            return false;
        if (format && !sheet_.setFormatId(at, ids_[format])) return false;
        Value v;
        std::string text;
        switch (static_cast<Content>(kind)) {
        case Content::LooksOnly: return true;
        case Content::Number: {
            double n;
            return c_.finite(n) && sheet_.setValue(at, Value::number(n));
        }
        case Content::TypedNumber: {
            double n;
            if (!c_.finite(n) || !c_.text(text, kMaxTextLength)) return false;
            // The typed text must still read as the number it stands for.
            auto typed = textToNumber(text);
            return typed && *typed == n && sheet_.setValue(at, Value::number(n), text);
        }
        case Content::Text: return c_.text(text, kMaxTextLength) && sheet_.setValue(at, Value::text(std::move(text)));
        case Content::Boolean: {
            bool b;
            return c_.flag(b) && sheet_.setValue(at, Value::boolean(b));
        }
        case Content::Error: return error(v) && sheet_.setValue(at, std::move(v));
        case Content::StaleFormula:
            return c_.text(text, kMaxFormulaLength) && sheet_.setFormula(at, text, RefStyle::A1) == SetResult::Ok;
        case Content::Formula:
            return c_.text(text, kMaxFormulaLength) && value(v) &&
                   sheet_.setFormula(at, text, RefStyle::A1, &v) == SetResult::Ok;
        }
        return false;
    }

    bool cells() {
        uint32_t n;
        if (!c_.count(n, 13)) return false;
        for (uint32_t i = 0; i < n; ++i)
            if (!cell()) return false;
        return true;
    }

    bool tags() {
        uint32_t n;
        if (!c_.count(n, 12)) return false;
        for (uint32_t i = 0; i < n; ++i) {
            CellRef at;
            std::string text;
            if (!c_.get(at.col) || !c_.get(at.row) || !sheet_.inSheet(at) || !c_.text(text, kMaxTextLength) ||
                !sheet_.setTag(at, text))
                return false;
        }
        return true;
    }

    Sheet& sheet_;
    AnswerCursor& c_;
    std::vector<uint32_t> ids_;  // the sheet's format number of each format of the answer
    std::vector<CellSpan> spans_;
};

FileResult failure(std::string why) { return FileResult{false, std::move(why), 0}; }

}  // namespace

std::string writeWorkbookAnswer(const FileResult& outcome, const Sheet& sheet, const std::vector<std::string>& notes) {
    AnswerWriter w;
    w.out += kMagic;
    if (!outcome.ok) {
        w.put(kFailed);
        w.text(std::string_view(outcome.error).substr(0, kMaxNoteLength));
        return std::move(w.out);
    }
    w.put(kRead);
    w.count(notes.size());
    for (const std::string& note : notes) w.text(std::string_view(note).substr(0, kMaxNoteLength));
    writeSheet(w, sheet);
    return std::move(w.out);
}

FileResult readWorkbookAnswer(Sheet& sheet, std::string_view answer, std::vector<std::string>* notes) {
    const FileResult cut = failure("the workbook reader stopped before it was done");
    AnswerCursor c(answer);
    uint8_t outcome;
    if (!c.literal(kMagic) || !c.get(outcome)) return cut;
    if (outcome == kFailed) {
        std::string why;
        if (!c.text(why, kMaxNoteLength) || !c.atEnd()) return cut;
        return failure(std::move(why));
    }
    if (outcome != kRead) return failure("the workbook reader's answer is not valid");
    uint32_t count;
    if (!c.count(count, 4)) return cut;
    std::vector<std::string> found(count);
    for (std::string& note : found)
        if (!c.text(note, kMaxNoteLength)) return cut;
    Sheet fresh;
    fresh.setOption(kOptAutoCalc, false);
    fresh.setLoading(true);
    std::string wrong = SheetTaker(fresh, c).run();
    fresh.setLoading(false);
    if (!wrong.empty()) return failure("the workbook reader's answer is not valid: " + wrong);
    sheet.swap(fresh);
    if (notes) notes->insert(notes->end(), found.begin(), found.end());
    return FileResult{true, {}, 0};
}

}  // namespace sheet
