#pragma once
// The property columns of a section family by its section type (1 to 24, the numbers of the
// section icons): the ordered names of the values a size of that type needs, as caption texts
// in the current language.  Empty names are left out; any other number gives an empty list.

#include "core/kv_string_array.h"

Kv_StringArray sectionTypePropertyNames(int sectionType);
