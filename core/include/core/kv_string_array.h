#pragma once
// Kv_StringArray: an ordered list of Kv_String, with the index checks of Kv_Array.
// The flag of find, findAt and contains means "ignore case" (see Kv_String).

#include "core/kv_array.h"
#include "core/kv_string.h"

class Kv_StringArray : public Kv_Array<Kv_String> {
public:
    using Kv_Array<Kv_String>::Kv_Array;
    Kv_StringArray() = default;
    Kv_StringArray(std::initializer_list<Kv_String> items) : Kv_Array<Kv_String>(items) {}

    // Index of the first element equal to text, -1 when none.
    int find(const Kv_String& text, bool ignoreCase = false) const { return findAt(text, 0, ignoreCase); }
    // The same, starting at index start (a negative start counts as 0).
    int findAt(const Kv_String& text, int start, bool ignoreCase = false) const;
    bool contains(const Kv_String& text, bool ignoreCase = false) const { return find(text, ignoreCase) >= 0; }
    // The elements with the separator between them ("" for an empty list).
    Kv_String join(const Kv_String& separator) const;
};

// A list of the given strings, in order (empty strings included).
Kv_StringArray stringArr(const Kv_String& s1);
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2);
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3);
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3, const Kv_String& s4);
Kv_StringArray stringArr(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3, const Kv_String& s4,
                         const Kv_String& s5);

// The strings joined without anything between them.
Kv_String appStrs(const Kv_String& s1, const Kv_String& s2, const Kv_String& s3 = {}, const Kv_String& s4 = {},
                  const Kv_String& s5 = {});

// Splits at every separator byte: n separators give n + 1 parts, empty parts included
// ("a;;b;" gives "a", "", "b", "").  An empty text gives an empty list.
Kv_StringArray strToArr(const Kv_String& text, char separator);

// Sorts in natural order: runs of digits compare by value ("S2" before "S10"), letters
// ignoring case; texts that compare equal that way keep a byte order.
void sortArray(Kv_StringArray& list);
// The natural order of sortArray, as <0, 0, >0.
int kvNaturalCompare(const Kv_String& a, const Kv_String& b);
// Inserts text into a list kept in natural order, after any equal entries; returns its index.
int ObjectExportAddToSorted(Kv_StringArray& sortedList, const Kv_String& text);

// A text that is not in names (compared exactly): base itself when free; otherwise, when base
// ends in digits, the same stem with the number counted up ("S10" -> "S11", "1" -> "2"),
// else base followed by 1, 2, 3...  An empty base counts as "1".
Kv_String findNonExistingString(const Kv_StringArray& names, const Kv_String& base);

// Sorts keys ascending and applies the same reordering to carried (equal keys keep their
// order).  False, with nothing changed, when the two arrays differ in length.
bool ObjectExportSort(Kv_Array<double>& keys, Kv_Array<int>& carried);
// The multiple of step nearest to value (halves away from zero); value itself when step <= 0.
double ObjectExportRoundTo(double value, double step);
