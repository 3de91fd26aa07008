// The benchmark workloads as CSV texts (formulas as cell texts beginning with '=', A1 style).
// bench/peers/workloads.py writes the same texts for the peer engines.
#pragma once

#include <string>

namespace bench {

// W1: A1 = 1, A(n) = A(n-1) + 1.
std::string chainCsv(int rows);
// W2: ten numbers per row and =SUM(Ar:Jr) in column K.
std::string rowSumsCsv(int rows);
// W2b: a number per row and the running sum =SUM($A$1:Ar) in column B.
std::string runningSumsCsv(int rows);
// W3: a key/value table in A:B, keys to look up in D, the look-ups in E (VLOOKUP, or
// INDEX/MATCH when indexMatch).
std::string lookupCsv(int rows, bool indexMatch);
// W4: rows of ten cells, numbers and texts alternating.
std::string mixedCsv(int rows);

}  // namespace bench
