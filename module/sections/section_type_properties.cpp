// The property names of the section types.
#include "sections/section_type_properties.h"

#include <vector>

#include "core/kv_texts.h"

namespace {

// How a text number becomes a column name: plain, with a blank and a number added ("Leg 1",
// "Leg 2" of an unequal angle), or with the digit joined directly ("Leg1").  Stored tables
// match their columns by these exact names, so the two forms must not be unified.
enum class Suffix { None, Spaced, Joined };

struct PropertyName {
    int text;
    Suffix suffix = Suffix::None;
    int number = 0;
};

constexpr PropertyName spaced(int text, int number) { return {text, Suffix::Spaced, number}; }
constexpr PropertyName joined(int text, int number) { return {text, Suffix::Joined, number}; }

using Names = std::vector<PropertyName>;

const Names& namesOf(int sectionType) {
    static const Names kTypes[] = {
        /* 1 */ {{736}, {737}, {738}, {739}, {740}},
        /* 2 */ {{736}, {737}, {738}, {739}},
        /* 3 */ {{736}, {737}, {738}, {739}, {741}, {742}},
        /* 4 */ {{736}, spaced(743, 1), spaced(743, 2), {744}},
        /* 5 */ {{736}, {737}, {738}, {739}, {741}},
        /* 6 */ {{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}},
        /* 7 */ {{736}, {737}, {738}, {739}, {741}, {742}, {745}, {746}},
        /* 8 */ {{737}, {744}},
        /* 9 */ {{747}},
        /* 10 */ {{736}, {737}, {744}, {740}},
        /* 11 */ {{747}, {744}},
        /* 12 */ {{736}, {737}, {748}, {744}},
        /* 13 */ {{736}, spaced(749, 1), spaced(750, 1), spaced(750, 2), spaced(749, 2), {744}},
        /* 14 */ {{751}, {744}, {752}},
        /* 15 */ {{736}, {737}, {744}, {753}},
        /* 16 */ {{736}, {737}, {744}, {753}},
        /* 17 */ {{736}, {737}, {738}, {739}, {741}},
        /* 18 */ {{736}, {737}, {744}, joined(1684, 1), joined(1684, 2), {1685}, {1686}},
        /* 19 */
        {{736}, {737}, {744}, joined(1684, 1), joined(1684, 2), {1685}, joined(1686, 1), joined(1686, 2), {1687}},
        /* 20 */ {{736}, {737}, {744}, joined(1684, 1), joined(1684, 2), {1685}},
        /* 21 */ {{736}, {737}, joined(749, 1), {744}, joined(749, 2), {1687}},
        /* 22 */ {{736}, {749}, {737}, {744}},
        /* 23 */ {{736}, {737}, {744}, joined(737, 2), {1686}},
        /* 24 */ {{736}, {737}, {744}, joined(737, 1), joined(737, 2), {1686}, {1687}},
    };
    static const Names kNone;
    if (sectionType < 1 || sectionType > 24) return kNone;
    return kTypes[sectionType - 1];
}

}  // namespace

Kv_StringArray sectionTypePropertyNames(int sectionType) {
    Kv_StringArray names;
    for (const PropertyName& property : namesOf(sectionType)) {
        const Kv_String text = dialString(property.text);
        Kv_String name;
        switch (property.suffix) {
        case Suffix::None: name = text; break;
        case Suffix::Spaced: name = append(text, property.number); break;
        case Suffix::Joined: name = appStrs(text, Kv_String(property.number)); break;
        }
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}
