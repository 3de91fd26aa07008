#include "workloads.h"

namespace bench {

std::string chainCsv(int rows) {
    std::string s = "1\n";
    for (int r = 2; r <= rows; ++r) s += "=A" + std::to_string(r - 1) + "+1\n";
    return s;
}

std::string rowSumsCsv(int rows) {
    std::string s;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 0; c < 10; ++c) s += std::to_string((r * 7 + c * 13) % 1000) + ",";
        s += "=SUM(A" + std::to_string(r) + ":J" + std::to_string(r) + ")\n";
    }
    return s;
}

std::string runningSumsCsv(int rows) {
    std::string s;
    for (int r = 1; r <= rows; ++r) s += std::to_string(r % 100) + ",=SUM($A$1:A" + std::to_string(r) + ")\n";
    return s;
}

std::string lookupCsv(int rows, bool indexMatch) {
    std::string s;
    for (int r = 1; r <= rows; ++r) {
        std::string key = "key" + std::to_string((r * 7919) % rows + 1);
        std::string lookFor = "key" + std::to_string(rows - r + 1);
        std::string rs = std::to_string(r), n = std::to_string(rows);
        s += key + "," + std::to_string(r * 3) + ",," + lookFor + ",";
        if (indexMatch)
            s += "\"=INDEX($B$1:$B$" + n + ",MATCH(D" + rs + ",$A$1:$A$" + n + ",0))\"\n";
        else
            s += "\"=VLOOKUP(D" + rs + ",$A$1:$B$" + n + ",2,0)\"\n";
    }
    return s;
}

std::string mixedCsv(int rows) {
    std::string s;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 0; c < 10; ++c) {
            if (c) s += ',';
            if (c % 2 == 0)
                s += std::to_string(r * 10 + c) + "." + std::to_string(c * 25);
            else
                s += "text " + std::to_string(r) + "-" + std::to_string(c);
        }
        s += '\n';
    }
    return s;
}

}  // namespace bench
