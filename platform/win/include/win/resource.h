#pragma once
// Resource tables: dialog templates, bitmaps and icons by number, as compiled into each
// binary from its resource script, and the lookup chain that searches them.
//
// Every binary (host, module, tests) registers one table at load; lookups search the table
// set as "first" (the module's resource scope switches it), then every table in
// registration order.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// Geometry of dialog templates is in pixels (no dialog units): what the script says is what
// the window gets.  Style bits use the Win32 values defined in win/styles.h.
struct ControlTemplate {
    int id = 0;
    std::string className;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string text;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string fontFace = "Tahoma";
    int fontHeight = 13;
    std::vector<ControlTemplate> controls;
};

struct ResourceTable {
    std::string name;  // "kvhost", "kvmodule", "kvcore", "test"...
    std::map<int, DialogTemplate> dialogs;
    std::map<int, std::vector<uint8_t>> bitmaps;  // file bytes (BMP or PNG)
    std::map<int, std::vector<uint8_t>> icons;    // file bytes (BMP, PNG or ICO)
};

struct ScriptError {
    std::string file;
    int line = 0;
    std::string reason;
};

// Parses the .rc-like script; file references (BITMAP 8134 "check.bmp") are resolved relative
// to baseDir.  Returns false with err filled on the first fault.
bool parseResourceScript(std::string_view text, const std::string& fileName, const std::string& baseDir,
                         ResourceTable& out, ScriptError& err);

// The lookup chain: every binary registers its table at load (generated code does it).
void registerResourceTable(const ResourceTable* table);
void unregisterResourceTable(const ResourceTable* table);
const ResourceTable* findResourceTable(std::string_view name);

// The table searched first (nullptr: registration order).  Returns the previous first table,
// so that a scope can restore it.
const ResourceTable* setFirstResourceTable(const ResourceTable* table);
const ResourceTable* firstResourceTable();

const DialogTemplate* findDialogTemplate(int id);  // nullptr when no table has it
const std::vector<uint8_t>* findBitmapResource(int id);
const std::vector<uint8_t>* findIconResource(int id);

}  // namespace win
