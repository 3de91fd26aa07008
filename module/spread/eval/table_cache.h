#pragma once
// The tables FROMTABLE reads, loaded once and kept while their files are unchanged.
//
// A table is loaded into a hidden sheet window of its own (an instance).  An instance is
// lent to one evaluation at a time; a table asked for again while its instance is lent (a
// chain of tables that comes back to it for another cell) gets a second instance.  An idle
// instance is reused as long as its file has the same path, size and modification time and so
// have the tables its own formulas read through FROMTABLE; otherwise it is loaded again.  An
// instance that an evaluation wrote into (the three-argument form with a table as caller)
// no longer matches its file and is dropped when its evaluation ends.
//
// Memory: one idle instance per table, and at most kKeptTables idle tables (the least
// recently used go first); instances lent out are bounded by the nesting limit.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/kv_string.h"
#include "win/types.h"

class TableCache {
public:
    // What identifies the contents of a table file.
    struct Stamp {
        int64_t size = 0;
        int64_t modifiedNs = 0;  // modification time in nanoseconds
        bool operator==(const Stamp&) const = default;
    };

    struct Instance {
        HWND window = nullptr;
        Kv_String file;   // as resolved for the call that loaded it
        std::string key;  // the comparable path
        Stamp stamp;
        bool lent = false;
        bool stale = false;  // written into, or its file changed while lent: dropped on return
        uint64_t lastUse = 0;
        // Tables read through this table's own FROMTABLE calls, with the stamps they had.
        std::vector<std::pair<std::string, Stamp>> inputs;
        // Look-up indexes, built on first use: column-header texts and the texts of key
        // columns, folded to lower case (first occurrence wins).
        bool labelsIndexed = false;
        std::unordered_map<std::string, int> labelColumns;
        std::unordered_map<int, std::unordered_map<std::string, int>> keyRows;
    };

    static constexpr size_t kKeptTables = 8;

    static TableCache& instance();

    // An instance of the table in `file` lent to the caller, loaded when needed; null when
    // the file cannot be read.  Give it back with giveBack.
    Instance* borrow(const Kv_String& file);
    void giveBack(Instance* table);
    // A kept, unchanged instance lent to the caller without loading; null when there is none.
    Instance* borrowKept(const Kv_String& file);

    // `reader`'s formulas read `read`: reader is up to date only while read and what read
    // itself read are unchanged.
    static void recordInput(Instance& reader, const Instance& read);

    // The instance whose window this is, or null.
    Instance* find(HWND window);
    // The comparable form of a path: two names of one file give the same key.  A sheet of a
    // workbook ("book.xlsx#Prices") has the file's key followed by "#Prices".
    static std::string keyOf(const Kv_String& file);
    static bool stampOf(const std::string& key, Stamp& stamp);

    // The first column 1..maxCols whose header text equals `label`, the first row 1..maxRows
    // whose cell in `col` equals `key` (ignoring case, equal length); 0 when none.
    int labelColumn(Instance& table, const std::string& label);
    int keyRow(Instance& table, int col, const std::string& key);

    // Destroys every instance (at unload).
    void clear();
    size_t instanceCount() const { return instances_.size(); }

private:
    bool upToDate(const Instance& table) const;
    void destroy(Instance* table);
    void trim();

    std::vector<std::unique_ptr<Instance>> instances_;
    uint64_t clock_ = 0;
};

// Drops every cached table (module unload).
void releaseFromTableCache();
