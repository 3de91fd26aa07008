// The dimension calculator of the cell buttons.
#include "macro_test_support.h"
