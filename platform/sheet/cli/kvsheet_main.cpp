// kvsheet: the engine on the command line.
//   kvsheet recalc IN OUT     load, compute every formula, write the values
//   kvsheet convert IN OUT    between CSV and the engine's format (formulas kept)
// Files ending in ".csv" are CSV; every other name is the engine's own format.
#include <strings.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"

namespace {

bool isCsv(const std::string& path) {
  return path.size() >= 4 && ::strcasecmp(path.c_str() + path.size() - 4, ".csv") == 0;
}

int usage() {
  std::fputs(
      "usage: kvsheet recalc IN OUT     compute every formula and write the values\n"
      "       kvsheet convert IN OUT    convert between CSV and the engine's format\n"
      "Files ending in .csv are CSV; other names are the engine's own format.\n",
      stderr);
  return 2;
}

bool report(const sheet::FileResult& r, const std::string& path) {
  if (r.ok) return true;
  if (r.line > 0) std::fprintf(stderr, "kvsheet: %s:%d: %s\n", path.c_str(), r.line, r.error.c_str());
  else std::fprintf(stderr, "kvsheet: %s\n", r.error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return usage();
  std::string_view command = argv[1];
  std::string in = argv[2], out = argv[3];
  if (command != "recalc" && command != "convert") return usage();

  sheet::Sheet sheet;
  if (!report(isCsv(in) ? sheet::loadCsvFile(sheet, in) : sheet::loadSheetFile(sheet, in), in))
    return 1;
  if (command == "recalc") {
    // A CSV load computes its formulas already; a saved sheet brings its last results along.
    if (!isCsv(in)) sheet.recalcAll();
    // A recalculated sheet in the engine's own format keeps its formulas and their results.
    if (!isCsv(out)) return report(sheet::saveSheetFile(sheet, out), out) ? 0 : 1;
    return report(sheet::saveCsvFile(sheet, out), out) ? 0 : 1;
  }
  auto saved = isCsv(out) ? sheet::saveCsvFile(sheet, out) : sheet::saveSheetFile(sheet, out);
  return report(saved, out) ? 0 : 1;
}
