// The template page: filling, linking, sheet rows, values both ways, actions and keys.
#include "macro_test_support.h"
