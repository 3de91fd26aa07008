#pragma once
// Zip archives made in memory, for tests that need workbooks of a given shape: stored or
// deflated parts, and the damage a hostile file may carry (a false size, the encryption flag).

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zip_maker {

struct Part {
    std::string name;
    std::string data;
    bool deflate = true;
    int64_t declaredSize = -1;  // the unpacked size the directory claims; -1: the true one
    bool encryptedFlag = false;
};

inline void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}
inline void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline std::string deflated(const std::string& data) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

inline std::string archive(const std::vector<Part>& parts) {
    std::string out, directory;
    for (const Part& p : parts) {
        const std::string packed = p.deflate ? deflated(p.data) : p.data;
        const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(p.data.data()), p.data.size());
        const uint32_t size =
            p.declaredSize >= 0 ? static_cast<uint32_t>(p.declaredSize) : static_cast<uint32_t>(p.data.size());
        const uint32_t offset = static_cast<uint32_t>(out.size());
        auto header = [&](std::string& h, bool central) {
            put32(h, central ? 0x02014b50 : 0x04034b50);
            if (central) put16(h, 20);
            put16(h, 20);
            put16(h, p.encryptedFlag ? 1 : 0);
            put16(h, p.deflate ? 8 : 0);
            put16(h, 0);
            put16(h, 0);
            put32(h, crc);
            put32(h, static_cast<uint32_t>(packed.size()));
            put32(h, size);
            put16(h, static_cast<uint32_t>(p.name.size()));
            put16(h, 0);
            if (central) {
                put16(h, 0);
                put16(h, 0);
                put16(h, 0);
                put32(h, 0);
                put32(h, offset);
            }
            h += p.name;
        };
        header(out, false);
        out += packed;
        header(directory, true);
    }
    const uint32_t dirStart = static_cast<uint32_t>(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<uint32_t>(parts.size()));
    put16(out, static_cast<uint32_t>(parts.size()));
    put32(out, static_cast<uint32_t>(directory.size()));
    put32(out, dirStart);
    put16(out, 0);
    return out;
}

// An open document spreadsheet whose first sheet's table body is `rows` (table:table-row
// elements); further sheets are given as (name, rows) pairs.
inline std::string openDocumentSheet(const std::vector<std::pair<std::string, std::string>>& sheets) {
    std::string content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
        " xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.2\">"
        "<office:body><office:spreadsheet>";
    for (const auto& [name, rows] : sheets)
        content += "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
    content += "</office:spreadsheet></office:body></office:document-content>";
    const std::string manifest =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
        "<manifest:file-entry manifest:full-path=\"/\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>";
    return archive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
                    {"META-INF/manifest.xml", manifest},
                    {"content.xml", content}});
}

// A workbook of the common format whose sheets' <sheetData> bodies are given, named Sheet1,
// Sheet2, ...; shared strings are not used (cells carry numbers and formulas).
inline std::string xlsxWorkbook(const std::vector<std::string>& sheetData) {
    std::string types =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    std::string sheets, rels;
    std::vector<Part> parts;
    for (size_t i = 1; i <= sheetData.size(); ++i) {
        const std::string n = std::to_string(i);
        types += "<Override PartName=\"/xl/worksheets/sheet" + n +
                 ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        sheets += "<sheet name=\"Sheet" + n + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n +
                "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                "Target=\"worksheets/sheet" +
                n + ".xml\"/>";
        parts.push_back({"xl/worksheets/sheet" + n + ".xml",
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
                         "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                         "<sheetData>" +
                             sheetData[i - 1] + "</sheetData></worksheet>"});
    }
    types += "</Types>";
    parts.push_back({"[Content_Types].xml", types});
    parts.push_back({"_rels/.rels",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                     "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                     "<Relationship Id=\"rId1\" "
                     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                     "Target=\"xl/workbook.xml\"/>"
                     "</Relationships>"});
    parts.push_back({"xl/workbook.xml",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook "
                     "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
                     " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>" +
                         sheets + "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                     "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
                         rels + "</Relationships>"});
    return archive(parts);
}

}  // namespace zip_maker
