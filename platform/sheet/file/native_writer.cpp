// Writes a sheet in the engine's file format (version 1; the format is described in
// docs/sheet-engine.md).  One record per line; the last line counts the records before it, so
// that a reader can tell a complete file from a cut one.
#include <charconv>
#include <string>

#include "file/text_fields.h"
#include "sheet/sheet_file.h"

namespace sheet {

namespace {

class RecordWriter {
public:
    std::string text;
    size_t records = 0;
    void begin(std::string_view keyword) {
        text += keyword;
        ++records;
    }
    void field(int64_t v) {
        text += ' ';
        appendInt(text, v);
    }
    void number(double v) {
        text += ' ';
        appendNumber(text, v);
    }
    void word(std::string_view w) {
        text += ' ';
        text += w;
    }
    void quoted(std::string_view s) {
        text += ' ';
        appendQuoted(text, s);
    }
    void end() { text += '\n'; }
};

void writeValue(RecordWriter& w, const Value& v) {
    switch (v.type()) {
    case ValueType::Empty: w.word("-"); break;
    case ValueType::Number:
        w.word("n");
        w.number(v.asNumber());
        break;
    case ValueType::Text:
        w.word("s");
        w.quoted(v.asText());
        break;
    case ValueType::Boolean:
        w.word("b");
        w.field(v.asBool() ? 1 : 0);
        break;
    case ValueType::Error:
        w.word("e");
        w.word(errorText(v.asError()));
        break;
    }
}

void writeFont(RecordWriter& w, const CellFont& f) {
    w.quoted(f.face);
    w.field(f.height);
    w.field(f.weight);
    w.field(f.italic);
    w.field(f.underline);
}

void writeSettings(RecordWriter& w, const SheetSettings& s) {
    w.begin("settings");
    w.field(static_cast<int>(s.refStyle));
    for (int64_t v : {int64_t{s.editEnterAction},
                      int64_t{s.operationMode},
                      int64_t{s.cursorType},
                      int64_t{s.cursorStyle},
                      int64_t{s.grayAreaColor},
                      int64_t{s.gridColor},
                      int64_t{s.gridType},
                      int64_t{s.selBackColor},
                      int64_t{s.selForeColor},
                      int64_t{s.lockBackColor},
                      int64_t{s.lockForeColor},
                      int64_t{s.appearance},
                      int64_t{s.autoSizeVisibleCols},
                      int64_t{s.autoSizeVisibleRows},
                      int64_t{s.textTipStatus},
                      int64_t{s.textTipDelay},
                      int64_t{s.textTipBackColor},
                      int64_t{s.textTipForeColor},
                      int64_t{s.noteIndicator},
                      int64_t{s.defaultColWidth},
                      int64_t{s.defaultRowHeight}})
        w.field(v);
    for (const auto& key : s.actionKeys)
        for (int32_t v : key) w.field(v);
    w.end();
    w.begin("tipfont");
    writeFont(w, s.textTipFont);
    w.end();
}

void writeFormat(RecordWriter& w, uint32_t id, const CellFormat& f) {
    const CellTypeRecord& t = f.type;
    w.begin("format");
    w.field(id);
    w.field(static_cast<int>(t.kind));
    w.field(t.style);
    w.field(t.maxLength);
    w.field(t.decimals);
    w.field(t.charSet);
    w.field(t.charCase);
    w.field(t.flag);
    w.number(t.minimum);
    w.number(t.maximum);
    for (int16_t k : t.pictureKinds) w.field(k);
    w.quoted(t.text);
    w.field(f.locked);
    w.field(f.backColor);
    w.field(f.foreColor);
    writeFont(w, f.font);
    for (const BorderSide& b : f.border) {
        w.field(b.style);
        w.field(b.color);
    }
    w.end();
}

}  // namespace

std::string writeSheetText(const Sheet& sheet) {
    RecordWriter w;
    w.text.reserve(1024);
    w.text += "KVSHEET ";
    appendInt(w.text, kSheetFileVersion);
    w.text += '\n';

    w.begin("size");
    w.field(sheet.maxCols());
    w.field(sheet.maxRows());
    w.end();
    w.begin("options");
    w.text += ' ';
    {
        uint64_t bits = 0;
        for (int o = 0; o < kOptionCount; ++o)
            if (sheet.option(o)) bits |= uint64_t{1} << o;
        char buf[20];
        auto r = std::to_chars(buf, buf + sizeof buf, bits, 16);
        w.text.append(buf, r.ptr);
    }
    w.end();
    writeSettings(w, sheet.settings());
    w.begin("active");
    w.field(sheet.activeCell().col);
    w.field(sheet.activeCell().row);
    w.end();
    for (uint32_t id = 1; id < sheet.formatCount(); ++id) writeFormat(w, id, sheet.formatById(id));
    for (auto [col, pixels] : sheet.colWidthsSet()) {
        w.begin("width");
        w.field(col);
        w.field(pixels);
        w.end();
    }
    for (auto [row, pixels] : sheet.rowHeightsSet()) {
        w.begin("height");
        w.field(row);
        w.field(pixels);
        w.end();
    }
    for (const CellSpan& s : sheet.spans()) {
        w.begin("span");
        w.field(s.anchor.col);
        w.field(s.anchor.row);
        w.field(s.cols);
        w.field(s.rows);
        w.end();
    }
    // Cells in reading order, so that the file reads like the sheet.
    sheet.forEachCell([&](const CellEntry& c) {
        w.begin("cell");
        w.field(c.at.col);
        w.field(c.at.row);
        w.field(c.formatId);
        if (c.formula) {
            w.word(c.outOfDate ? "F" : "f");
            w.quoted(sheet.formulaText(c.at, RefStyle::A1));
            if (!c.outOfDate) writeValue(w, c.value);
        } else if (c.value.isNumber()) {
            w.word("n");
            w.number(c.value.asNumber());
            if (!c.typed.empty()) w.quoted(c.typed);
        } else if (c.value.isText()) {
            w.word("s");
            w.quoted(c.value.asText());
        } else if (!c.value.isEmpty()) {
            writeValue(w, c.value);
        }
        w.end();
        if (!c.tag.empty()) {
            w.begin("tag");
            w.field(c.at.col);
            w.field(c.at.row);
            w.quoted(c.tag);
            w.end();
        }
    });
    w.text += "end ";
    appendInt(w.text, static_cast<int64_t>(w.records));
    w.text += '\n';
    return std::move(w.text);
}

FileResult saveSheetFile(const Sheet& sheet, const std::string& path) {
    return writeFileWhole(path, writeSheetText(sheet));
}

}  // namespace sheet
