// The tables FROMTABLE reads: hidden sheet windows kept while their files are unchanged.
#include "spread/eval/table_cache.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/path_mapping.h"
#include "spread/load_notes.h"
#include "sheet/sheet.h"
#include "sheet/ss_api.h"
#include "sheet/workbook_file.h"
#include "spread/eval/from_table.h"
#include "win/styles.h"
#include "win/winuser.h"

namespace {

std::string folded(std::string text) {
    for (char& c : text) c = kvToLower1252(c);
    return text;
}

HWND loadTable(const Kv_String& file) {
    HWND window = CreateWindowEx(0, kSpreadClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!window) return nullptr;
    if (!SSLoadFromFile(window, file.c_str())) {
        DestroyWindow(window);
        return nullptr;
    }
    printLoadNotes(window, file);
    // A kept table computes only what a call needs (the cell and what it reads), not every
    // formula its file left out of date.
    SSSetBool(window, sheet::kOptAutoCalc, FALSE);
    // A load drops a sheet's functions; tables may use FROMTABLE themselves.
    registerFromTable(window);
    return window;
}

}  // namespace

TableCache& TableCache::instance() {
    static TableCache cache;
    return cache;
}

std::string TableCache::keyOf(const Kv_String& file) {
    // Every call names its table: the path is made canonical once per name.
    static std::unordered_map<std::string, std::string> known;
    auto it = known.find(file.str());
    if (it != known.end()) return it->second;
    // Each sheet of a workbook is a table of its own: the key is the file's, then "#Sheet".
    const ::sheet::SheetPath named = ::sheet::splitSheetPath(file.str());
    std::error_code ignored;
    std::filesystem::path mapped = kvMapPath(Kv_String(named.file));
    std::filesystem::path canonical = std::filesystem::weakly_canonical(mapped, ignored);
    const std::filesystem::path path = canonical.empty() ? mapped.lexically_normal() : canonical;
    const std::string key = named.sheet.empty() ? path.string() : path.string() + "#" + named.sheet;
    // A name that finds no file yet may find another one later (names match without regard
    // to case): only names of existing files are remembered.
    if (!std::filesystem::exists(path, ignored)) return key;
    if (known.size() > 4096) known.clear();
    return known.emplace(file.str(), key).first->second;
}

// One look at the file per call: this runs for every call of a kept table.
bool TableCache::stampOf(const std::string& key, Stamp& stamp) {
    struct stat status;
    const std::string file = ::sheet::splitSheetPath(key).file;
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    stamp.size = static_cast<int64_t>(status.st_size);
    stamp.modifiedNs = static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return true;
}

bool TableCache::upToDate(const Instance& table) const {
    if (table.stale || !SSGetSheet(table.window)) return false;
    Stamp now;
    if (!stampOf(table.key, now) || !(now == table.stamp)) return false;
    for (const auto& [key, stamp] : table.inputs)
        if (!stampOf(key, now) || !(now == stamp)) return false;
    return true;
}

TableCache::Instance* TableCache::borrow(const Kv_String& file) {
    const std::string key = keyOf(file);
    Instance* idle = nullptr;
    for (size_t i = 0; i < instances_.size();) {
        Instance* table = instances_[i].get();
        if (table->key != key || table->lent) {
            ++i;
            continue;
        }
        if (!idle && upToDate(*table)) {
            idle = table;
            ++i;
            continue;
        }
        destroy(table);  // outdated, or a second idle copy
    }
    if (!idle) {
        Stamp stamp;
        if (!stampOf(key, stamp)) return nullptr;
        HWND window = loadTable(file);
        if (!window) return nullptr;
        auto loaded = std::make_unique<Instance>();
        loaded->window = window;
        loaded->file = file;
        loaded->key = key;
        loaded->stamp = stamp;
        idle = loaded.get();
        instances_.push_back(std::move(loaded));
    }
    idle->lent = true;
    idle->lastUse = ++clock_;
    return idle;
}

TableCache::Instance* TableCache::borrowKept(const Kv_String& file) {
    const std::string key = keyOf(file);
    for (const auto& table : instances_) {
        if (table->key != key || table->lent || !upToDate(*table)) continue;
        table->lent = true;
        table->lastUse = ++clock_;
        return table.get();
    }
    return nullptr;
}

void TableCache::giveBack(Instance* table) {
    if (!table) return;
    table->lent = false;
    const bool twin =
        std::any_of(instances_.begin(), instances_.end(), [table](const std::unique_ptr<Instance>& other) {
            return other.get() != table && !other->lent && other->key == table->key;
        });
    if (table->stale || twin) destroy(table);
    trim();
}

void TableCache::recordInput(Instance& reader, const Instance& read) {
    auto note = [&reader](const std::string& key, const Stamp& stamp) {
        for (auto& [known, knownStamp] : reader.inputs)
            if (known == key) {
                knownStamp = stamp;
                return;
            }
        reader.inputs.emplace_back(key, stamp);
    };
    note(read.key, read.stamp);
    for (const auto& [key, stamp] : read.inputs) note(key, stamp);
}

TableCache::Instance* TableCache::find(HWND window) {
    if (!window) return nullptr;
    for (const auto& table : instances_)
        if (table->window == window) return table.get();
    return nullptr;
}

int TableCache::labelColumn(Instance& table, const std::string& label) {
    if (!table.labelsIndexed) {
        const ::sheet::Sheet* model = SSGetSheet(table.window);
        // A table kept in a workbook has no column-header row: its first row holds the labels.
        int labelRow = 0;
        if (model && model->maxRows() >= 1) {
            labelRow = 1;
            for (int col = 1; col <= model->maxCols() && labelRow; ++col)
                if (!model->data({col, 0}).empty()) labelRow = 0;
        }
        for (int col = model ? model->maxCols() : 0; col >= 1; --col)
            table.labelColumns[folded(model->data({col, labelRow}))] = col;  // backwards: the first wins
        table.labelsIndexed = true;
    }
    auto it = table.labelColumns.find(folded(label));
    return it == table.labelColumns.end() ? 0 : it->second;
}

int TableCache::keyRow(Instance& table, int col, const std::string& key) {
    auto column = table.keyRows.find(col);
    if (column == table.keyRows.end()) {
        column = table.keyRows.emplace(col, std::unordered_map<std::string, int>{}).first;
        const ::sheet::Sheet* model = SSGetSheet(table.window);
        const int rows = model ? model->maxRows() : 0;
        for (int row = 1; row <= rows; ++row) column->second.emplace(folded(model->data({col, row})), row);
    }
    auto it = column->second.find(folded(key));
    return it == column->second.end() ? 0 : it->second;
}

void TableCache::destroy(Instance* table) {
    if (IsWindow(table->window)) DestroyWindow(table->window);
    std::erase_if(instances_, [table](const std::unique_ptr<Instance>& held) { return held.get() == table; });
}

// Keeps the idle instances of the kKeptTables most recently used tables.
void TableCache::trim() {
    std::vector<Instance*> idle;
    for (const auto& table : instances_)
        if (!table->lent) idle.push_back(table.get());
    if (idle.size() <= kKeptTables) return;
    std::sort(idle.begin(), idle.end(), [](const Instance* a, const Instance* b) { return a->lastUse > b->lastUse; });
    for (size_t i = kKeptTables; i < idle.size(); ++i) destroy(idle[i]);
}

void TableCache::clear() {
    while (!instances_.empty()) destroy(instances_.back().get());
}

void releaseFromTableCache() { TableCache::instance().clear(); }
