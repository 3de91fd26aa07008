// kvsheet: the engine on the command line.
//   kvsheet recalc IN OUT     load, compute every formula, write the values
//   kvsheet convert IN OUT    between any two formats (formulas kept where the format has them)
// The format is chosen by the file name: .csv, .xlsx, .ods, .gnumeric (read only); every
// other name is the engine's own format.  "book.xlsx#Prices" reads the sheet Prices.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"
#include "sheet/workbook_file.h"

namespace {

int usage() {
    std::fputs(
        "usage: kvsheet recalc IN OUT     compute every formula and write the values\n"
        "       kvsheet convert IN OUT    convert between formats\n"
        "Files ending in .csv are CSV, .xlsx, .ods and .gnumeric workbooks (IN only for .ods and\n"
        ".gnumeric; book.xlsx#Sheet names a sheet); other names are the engine's own format.\n",
        stderr);
    return 2;
}

bool report(const sheet::FileResult& r, const std::string& path) {
    if (r.ok) return true;
    if (r.line > 0)
        std::fprintf(stderr, "kvsheet: %s:%d: %s\n", path.c_str(), r.line, r.error.c_str());
    else
        std::fprintf(stderr, "kvsheet: %s\n", r.error.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    std::string_view command = argv[1];
    std::string in = argv[2], out = argv[3];
    if (command != "recalc" && command != "convert") return usage();

    sheet::Sheet sheet;
    std::vector<std::string> notes;
    if (!report(sheet::loadFileByName(sheet, in, &notes), in)) return 1;
    for (const std::string& note : notes) std::fprintf(stderr, "kvsheet: %s: %s\n", in.c_str(), note.c_str());
    const sheet::FileFormat inFormat = sheet::fileFormatOf(sheet::splitSheetPath(in).file);
    // A CSV load computes its formulas already; a saved sheet brings its last results along, and
    // so does a workbook for the functions the engine does not know (computing those would give
    // #NAME?), while a workbook's other formulas were computed as it was read.
    if (command == "recalc" && inFormat == sheet::FileFormat::Native) sheet.recalcAll();
    return report(sheet::saveFileByName(sheet, out), out) ? 0 : 1;
}
