#include "core/kv_string_array.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "host/command_line.h"

void kvReportInvalidIndex(bool insert) {
    acutPrintf(insert ? "*Error* Invalid index passed to insert.\n" : "*Error* Invalid index passed to remove.\n");
}

int Kv_StringArray::findAt(const Kv_String& text, int start, bool ignoreCase) const {
    for (int i = std::max(start, 0); i < length(); ++i)
        if ((*this)[i].equal(text, ignoreCase)) return i;
    return -1;
}

Kv_String Kv_StringArray::join(const Kv_String& separator) const {
    Kv_String result;
    for (int i = 0; i < length(); ++i) {
        if (i > 0) result.append(separator);
        result.append((*this)[i]);
    }
    return result;
}

Kv_StringArray stringArr(const Kv_String& s1) { return {s1}; }
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2) { return {s1, s2}; }
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3) { return {s1, s2, s3}; }
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3, const Kv_String& s4) {
    return {s1, s2, s3, s4};
}
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3, const Kv_String& s4,
                         const Kv_String& s5) {
    return {s1, s2, s3, s4, s5};
}

Kv_String appStrs(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3, const Kv_String& s4,
                  const Kv_String& s5) {
    Kv_String result(s1);
    result.append(s2).append(s3).append(s4).append(s5);
    return result;
}

Kv_StringArray strToArr(const Kv_String& text, char separator) {
    Kv_StringArray parts;
    if (text.isEmpty()) return parts;
    std::string_view rest = text.view();
    while (true) {
        auto at = rest.find(separator);
        parts.append(Kv_String(rest.substr(0, at)));
        if (at == std::string_view::npos) break;
        rest.remove_prefix(at + 1);
    }
    return parts;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Compares two runs of digits by value without converting (runs may be longer than any int).
int compareDigitRuns(std::string_view a, std::string_view b) {
    while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
    while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace

int kvNaturalCompare(const Kv_String& left, const Kv_String& right) {
    std::string_view a = left.view(), b = right.view();
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei])) ++ei;
            while (ej < b.size() && isDigit(b[ej])) ++ej;
            int c = compareDigitRuns(a.substr(i, ei - i), b.substr(j, ej - j));
            if (c != 0) return c;
            i = ei;
            j = ej;
            continue;
        }
        unsigned char ca = static_cast<unsigned char>(kvToLower1252(a[i]));
        unsigned char cb = static_cast<unsigned char>(kvToLower1252(b[j]));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    // Equal apart from case or leading zeros: fall back to bytes so the order is total.
    return left.compare(right);
}

void sortArray(Kv_StringArray& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const Kv_String& a, const Kv_String& b) { return kvNaturalCompare(a, b) < 0; });
}

int ObjectExportAddToSorted(Kv_StringArray& sortedList, const Kv_String& text) {
    auto at = std::upper_bound(sortedList.begin(), sortedList.end(), text,
                               [](const Kv_String& a, const Kv_String& b) { return kvNaturalCompare(a, b) < 0; });
    int index = static_cast<int>(at - sortedList.begin());
    sortedList.insertAt(index, text);
    return index;
}

Kv_String findNonExistingString(const Kv_StringArray& names, const Kv_String& base) {
    Kv_String seed = base.isEmpty() ? Kv_String("1") : base;
    if (!names.contains(seed)) return seed;
    int digitsFrom = seed.length();
    while (digitsFrom > 0 && isDigit(seed.at(digitsFrom - 1))) --digitsFrom;
    Kv_String stem = seed.getSubStringAt(0, digitsFrom);
    long long number = 0;
    // A long run of digits would overflow; counting on from 1 still gives a free name.
    if (digitsFrom < seed.length() && seed.length() - digitsFrom <= 17)
        number = std::stoll(seed.getSubStringAt(digitsFrom).str());
    for (;;) {
        ++number;
        Kv_String candidate = stem + Kv_String(number);
        if (!names.contains(candidate)) return candidate;
    }
}

bool ObjectExportSort(Kv_Array<double>& keys, Kv_Array<int>& carried) {
    if (keys.length() != carried.length()) return false;
    std::vector<int> order(static_cast<std::size_t>(keys.length()));
    std::iota(order.begin(), order.end(), 0);
    // NaN sorts last so that the order stays strict and weak.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (std::isnan(keys[a])) return false;
        if (std::isnan(keys[b])) return true;
        return keys[a] < keys[b];
    });
    Kv_Array<double> sortedKeys;
    Kv_Array<int> sortedCarried;
    for (int i : order) {
        sortedKeys.append(keys[i]);
        sortedCarried.append(carried[i]);
    }
    keys = std::move(sortedKeys);
    carried = std::move(sortedCarried);
    return true;
}

double ObjectExportRoundTo(double value, double step) {
    if (!(step > 0) || !std::isfinite(value)) return value;
    return std::round(value / step) * step;
}
