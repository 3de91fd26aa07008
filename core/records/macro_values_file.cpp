// Values files: a person's saved values of a macro, loaded into it and saved from it.
//
// Format: table file rows (core/table_file.h).  The first row is the header "KvMacroValues",
// "1", then the modules of the macro; every further row is one value: module, value name (as
// a macro instance names it), then the value's texts (one for a single value, any number for
// a list).
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/write_whole.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/file_layer.h"
#include "core/path_mapping.h"
#include "core/records/macro_data.h"
#include "core/table_file.h"
#include "host/command_line.h"
#include "macro_value_fields.h"

namespace {

constexpr const char* kHeader = "KvMacroValues";
constexpr const char* kVersion = "1";

Kv_String valuesFolder() { return Kv_Settings::libDir() + "Macro Values\\"; }

Kv_String valuesPath(const Kv_String& name) { return valuesFolder() + name + MacroData::kValuesExtension; }

// The lines of the file, line ends removed; empty lines left out.
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

bool parseRow(std::string_view line, Kv_StringArray& row) {
    Kv_TableRows rows;
    if (!parseTableText(line, rows) || rows.length() != 1) return false;
    row = rows[0];
    return true;
}

// The header's modules; false when the first line is no values file header.
bool readHeader(const std::vector<std::string_view>& lines, Kv_StringArray& modules) {
    Kv_StringArray header;
    if (lines.empty() || !parseRow(lines[0], header) || header.length() < 2 || header[0] != kHeader ||
        header[1] != kVersion)
        return false;
    modules.removeAll();
    for (int i = 2; i < header.length(); ++i) modules.append(header[i]);
    return true;
}

}  // namespace

bool MacroData::propListAllowed(Kv_String& defaultName) const {
    const Kv_StringArray modules = tabModules();
    if (modules.isEmpty()) return false;
    defaultName = modules[0];
    return true;
}

void MacroData::getPropFiles(Kv_String& folder, Kv_String& extension, Kv_StringArray& firstList,
                             Kv_StringArray& secondList) const {
    folder = valuesFolder();
    extension = kValuesExtension;
    firstList.removeAll();
    secondList.removeAll();
    const Kv_StringArray modules = tabModules();
    Kv_StringArray files;
    ObjectExportFindFiles(folder, Kv_String("*") + extension, files);
    for (const Kv_String& file : files) {
        Kv_String name;
        getFileName(file, name);
        removeExtension(name);
        firstList.append(name);
        std::string bytes;
        Kv_StringArray fileModules;
        if (!modules.isEmpty() && ObjectExportReadBytes(file, bytes) && readHeader(linesOf(bytes), fileModules) &&
            fileModules.contains(modules[0]))
            secondList.append(name);
    }
}

bool MacroData::readFromFile(const Kv_String& name, int& errorCount) {
    std::string bytes;
    if (!ObjectExportReadBytes(valuesPath(name), bytes)) {
        errorCount = 1;
        return false;
    }
    return readValuesText(bytes, errorCount);
}

bool MacroData::readValuesText(std::string_view text, int& errorCount) {
    errorCount = 0;
    Kv_StringArray fileModules;
    const std::vector<std::string_view> lines = linesOf(text);
    if (!readHeader(lines, fileModules)) {
        errorCount = 1;
        return false;
    }
    // The values go into a copy, bound field by field, and replace the tabs at the end.
    Kv_Array<MacroTabData> loaded = tabs;
    std::multimap<std::string, macro_values::Field> fields;  // "module\tname" -> the tabs' fields
    for (MacroTabData& tab : loaded)
        for (macro_values::Field& field : macro_values::fieldsOf(tab))
            fields.emplace(tab.moduleName.str() + '\t' + field.name, std::move(field));
    for (size_t i = 1; i < lines.size(); ++i) {
        Kv_StringArray row;
        if (!parseRow(lines[i], row) || row.length() < 2) {
            ++errorCount;
            continue;
        }
        Kv_StringArray value;
        for (int cell = 2; cell < row.length(); ++cell) value.append(row[cell]);
        const auto [first, last] = fields.equal_range(row[0].str() + '\t' + row[1].str());
        bool taken = first != last;
        for (auto it = first; it != last; ++it) taken = it->second.set(value) && taken;
        if (!taken) ++errorCount;
    }
    tabs = loaded;
    return true;
}

bool MacroData::writeToFile(const Kv_String& name) const {
    const Kv_String path = valuesPath(name);
    ObjectExportCreateDirectory(valuesFolder());
    const base::WriteResult written = base::writeFileWhole(kvMapPath(path), valuesText());
    if (!written.ok) {
        acutPrintf("%s %s\n%s\n", string(20190).c_str(), path.c_str(), written.error.c_str());
        return false;
    }
    return true;
}

std::string MacroData::valuesText() const {
    Kv_TableRows rows;
    Kv_StringArray header;
    header.append(kHeader);
    header.append(kVersion);
    const Kv_StringArray modules = tabModules();
    for (const Kv_String& module : modules) header.append(module);
    rows.append(header);
    MacroData copy = *this;
    for (MacroTabData& tab : copy.tabs) {
        if (tab.moduleName.isEmpty()) continue;
        for (const macro_values::Field& field : macro_values::fieldsOf(tab)) {
            if (field.isMixed && field.isMixed()) continue;
            Kv_StringArray row;
            row.append(tab.moduleName);
            row.append(Kv_String(field.name));
            row.appendAll(field.get());
            rows.append(row);
        }
    }
    return formatTableText(rows);
}
