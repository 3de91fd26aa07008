// Reads the engine's file format into a new sheet; the caller's sheet is replaced only when
// the whole file was read without fault.
#include <string>
#include <unordered_map>
#include <vector>

#include "file/text_fields.h"
#include "sheet/sheet_file.h"

namespace sheet {

namespace {

class Reader {
public:
    explicit Reader(Sheet& target) : sheet_(target) {}

    FileResult fail(std::string why) { return FileResult{false, std::move(why), line_}; }

    FileResult run(std::string_view text) {
        // A byte-order mark of an editor that saved the file as UTF-8 is no part of the first line.
        size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        auto nextLine = [&](std::string_view& out) {
            if (pos >= text.size()) return false;
            size_t nl = text.find('\n', pos);
            if (nl == std::string_view::npos) return false;  // a record without its end: cut off
            out = text.substr(pos, nl - pos);
            // Lines ended by CR LF (the file went through a Windows editor) read the same; a carriage
            // return inside a text is always written escaped, so this one ends the line.
            if (!out.empty() && out.back() == '\r') out.remove_suffix(1);
            pos = nl + 1;
            ++line_;
            return true;
        };
        std::string_view lineText;
        if (!nextLine(lineText)) return fail("not a sheet file");
        {
            FieldCursor c(lineText);
            std::string_view magic;
            int32_t version;
            if (!c.word(magic) || magic != "KVSHEET" || !c.int32(version) || !c.atEnd())
                return fail("not a sheet file");
            if (version != kSheetFileVersion)
                return fail("sheet file version " + std::to_string(version) + " is not supported");
        }
        size_t records = 0;
        while (nextLine(lineText)) {
            FieldCursor c(lineText);
            std::string_view keyword;
            if (!c.word(keyword)) return fail("empty record");
            if (keyword == "end") {
                int64_t count;
                if (!c.int64(count) || !c.atEnd()) return fail("malformed end record");
                if (count < 0 || static_cast<size_t>(count) != records) return fail("the file is incomplete");
                if (pos != text.size()) return fail("data after the end record");
                return finish();
            }
            ++records;
            if (!record(keyword, c)) return fail("malformed " + std::string(keyword) + " record");
            if (!c.atEnd()) return fail("unexpected fields in " + std::string(keyword) + " record");
        }
        return fail("the file is incomplete");
    }

private:
    bool record(std::string_view keyword, FieldCursor& c) {
        if (keyword == "size") return size(c);
        if (!sized_) return false;
        if (keyword == "cell") return cell(c);
        if (keyword == "tag") return tag(c);
        if (keyword == "format") return format(c);
        if (keyword == "options") return options(c);
        if (keyword == "settings") return settings(c);
        if (keyword == "tipfont") return readFont(c, sheet_.settings().textTipFont);
        if (keyword == "active") return active(c);
        if (keyword == "width" || keyword == "height") return sizeOf(keyword == "width", c);
        if (keyword == "span") return span(c);
        return false;
    }

    bool size(FieldCursor& c) {
        int32_t cols, rows;
        if (sized_ || !c.int32(cols) || !c.int32(rows)) return false;
        if (!sheet_.setMaxCols(cols) || !sheet_.setMaxRows(rows)) return false;
        sized_ = true;
        return true;
    }

    bool position(FieldCursor& c, CellRef& at) { return c.int32(at.col) && c.int32(at.row) && sheet_.inSheet(at); }

    bool readValue(FieldCursor& c, std::string_view kind, Value& out) {
        if (kind == "-") {
            out = Value();
        } else if (kind == "n") {
            double n;
            if (!c.number(n)) return false;
            out = Value::number(n);
        } else if (kind == "s") {
            std::string s;
            if (!c.quoted(s, kMaxTextLength)) return false;
            out = Value::text(std::move(s));
        } else if (kind == "b") {
            int32_t b;
            if (!c.int32(b) || (b != 0 && b != 1)) return false;
            out = Value::boolean(b == 1);
        } else if (kind == "e") {
            std::string_view e;
            if (!c.word(e)) return false;
            auto kindOf = errorFromText(e);
            if (!kindOf) return false;
            out = Value::error(*kindOf);
        } else {
            return false;
        }
        return true;
    }

    bool cell(FieldCursor& c) {
        CellRef at;
        uint32_t fileFormat;
        if (!position(c, at) || !c.uint32(fileFormat)) return false;
        auto it = formatIds_.find(fileFormat);
        if (fileFormat != 0 && it == formatIds_.end()) return false;
        if (!sheet_.setFormatId(at, fileFormat ? it->second : 0)) return false;
        std::string_view kind;
        if (c.atEnd()) return true;
        if (!c.word(kind)) return false;
        if (kind == "f" || kind == "F") {
            std::string text;
            if (!c.quoted(text, kMaxFormulaLength)) return false;
            if (kind == "F") return sheet_.setFormula(at, text, RefStyle::A1) == SetResult::Ok;
            std::string_view valueKind;
            Value v;
            if (!c.word(valueKind) || !readValue(c, valueKind, v)) return false;
            return sheet_.setFormula(at, text, RefStyle::A1, &v) == SetResult::Ok;
        }
        Value v;
        if (!readValue(c, kind, v)) return false;
        std::string typed;
        if (kind == "n" && !c.atEnd()) {
            if (!c.quoted(typed, kMaxTextLength)) return false;
            // The typed text must still read as the number it stands for.
            auto n = textToNumber(typed);
            if (!n || *n != v.asNumber()) return false;
        }
        return sheet_.setValue(at, std::move(v), typed);
    }

    bool tag(FieldCursor& c) {
        CellRef at;
        std::string text;
        return position(c, at) && c.quoted(text, kMaxTextLength) && sheet_.setTag(at, text);
    }

    bool readFont(FieldCursor& c, CellFont& f) {
        int32_t italic, underline;
        if (!c.quoted(f.face, 255) || !c.int32(f.height) || !c.int32(f.weight) || !c.int32(italic) ||
            !c.int32(underline))
            return false;
        f.italic = italic != 0;
        f.underline = underline != 0;
        return true;
    }

    bool format(FieldCursor& c) {
        uint32_t id;
        int32_t kind, locked, sideStyle;
        CellFormat f;
        CellTypeRecord& t = f.type;
        if (!c.uint32(id) || id == 0 || formatIds_.count(id) || !c.int32(kind) || !isKnownCellKind(kind) ||
            !c.uint32(t.style) || !c.int32(t.maxLength) || !c.int32(t.decimals) || !c.int32(t.charSet) ||
            !c.int32(t.charCase) || !c.int32(t.flag) || !c.number(t.minimum) || !c.number(t.maximum))
            return false;
        t.kind = static_cast<CellKind>(kind);
        for (int16_t& k : t.pictureKinds) {
            int32_t v;
            if (!c.int32(v) || v < INT16_MIN || v > INT16_MAX) return false;
            k = static_cast<int16_t>(v);
        }
        if (!c.quoted(t.text, kMaxTextLength) || !c.int32(locked) || !c.uint32(f.backColor) || !c.uint32(f.foreColor) ||
            !readFont(c, f.font))
            return false;
        f.locked = locked != 0;
        for (BorderSide& b : f.border) {
            if (!c.int32(sideStyle) || sideStyle < INT16_MIN || sideStyle > INT16_MAX || !c.uint32(b.color))
                return false;
            b.style = static_cast<int16_t>(sideStyle);
        }
        formatIds_[id] = sheet_.addFormat(f);
        return true;
    }

    bool options(FieldCursor& c) {
        uint64_t bits;
        if (!c.hex64(bits)) return false;
        for (int o = 0; o < kOptionCount; ++o)
            if (o != kOptAutoCalc) sheet_.setOption(o, bits >> o & 1);
        autoCalc_ = bits >> kOptAutoCalc & 1;  // on once every cell is in
        return true;
    }

    bool settings(FieldCursor& c) {
        SheetSettings& s = sheet_.settings();
        int32_t refStyle, note;
        if (!c.int32(refStyle) || refStyle < 0 || refStyle > 2) return false;
        s.refStyle = static_cast<RefStyle>(refStyle);
        int32_t* ints[] = {&s.editEnterAction, &s.operationMode, &s.cursorType, &s.cursorStyle};
        for (int32_t* v : ints)
            if (!c.int32(*v)) return false;
        if (!c.uint32(s.grayAreaColor) || !c.uint32(s.gridColor) || !c.int32(s.gridType) || !c.uint32(s.selBackColor) ||
            !c.uint32(s.selForeColor) || !c.uint32(s.lockBackColor) || !c.uint32(s.lockForeColor) ||
            !c.int32(s.appearance) || !c.int32(s.autoSizeVisibleCols) || !c.int32(s.autoSizeVisibleRows) ||
            !c.int32(s.textTipStatus) || !c.int32(s.textTipDelay) || !c.uint32(s.textTipBackColor) ||
            !c.uint32(s.textTipForeColor) || !c.int32(note) || !c.int32(s.defaultColWidth) ||
            !c.int32(s.defaultRowHeight))
            return false;
        if (s.defaultColWidth < 0 || s.defaultColWidth > kMaxPixelSize || s.defaultRowHeight < 0 ||
            s.defaultRowHeight > kMaxPixelSize)
            return false;
        s.noteIndicator = note != 0;
        for (auto& key : s.actionKeys)
            for (int32_t& v : key)
                if (!c.int32(v)) return false;
        return true;
    }

    bool active(FieldCursor& c) {
        CellRef at;
        if (!c.int32(at.col) || !c.int32(at.row)) return false;
        sheet_.setActiveCell(at);  // an active cell off the sheet is ignored, not an error
        return true;
    }

    bool sizeOf(bool width, FieldCursor& c) {
        int32_t index, pixels;
        if (!c.int32(index) || !c.int32(pixels) || pixels < 0) return false;
        return width ? sheet_.setColWidth(index, pixels) : sheet_.setRowHeight(index, pixels);
    }

    // Spans are gathered and checked together at the end: adding them one by one would compare
    // each with all before it.
    bool span(FieldCursor& c) {
        CellRef at;
        int32_t cols, rows;
        if (!position(c, at) || !c.int32(cols) || !c.int32(rows) || cols < 1 || rows < 1) return false;
        CellSpan s{at, cols, rows};
        if (!sheet_.inSheet(at) || !sheet_.inSheet(s.range().last)) return false;
        if (cols * int64_t{rows} > 1) spans_.push_back(s);
        return spans_.size() <= kMaxSpans;
    }

    FileResult finish() {
        if (!sized_) return fail("the file has no size record");
        if (!sheet_.setSpans(std::move(spans_))) {
            line_ = 0;
            return fail("spans overlap");
        }
        if (autoCalc_) sheet_.recalc();
        sheet_.setOption(kOptAutoCalc, autoCalc_);
        return FileResult{true, {}, 0};
    }

    Sheet& sheet_;
    int line_ = 0;
    bool sized_ = false;
    bool autoCalc_ = true;
    std::unordered_map<uint32_t, uint32_t> formatIds_;
    std::vector<CellSpan> spans_;
};

}  // namespace

FileResult readSheetText(Sheet& sheet, std::string_view text) {
    Sheet fresh;
    fresh.setOption(kOptAutoCalc, false);
    fresh.setLoading(true);
    FileResult result = Reader(fresh).run(text);
    fresh.setLoading(false);
    if (result.ok) sheet.swap(fresh);
    return result;
}

FileResult loadSheetFile(Sheet& sheet, const std::string& path) {
    std::string bytes;
    FileResult read = readFileWhole(path, bytes);
    if (!read.ok) return read;
    return readSheetText(sheet, bytes);
}

}  // namespace sheet
