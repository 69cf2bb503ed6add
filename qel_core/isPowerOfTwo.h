#pragma once

#include "qel_core/qel_core_export.h"

namespace QEL {

// True when n has exactly one bit set; false for 0.
QEL_CORE_API bool isPowerOfTwo(unsigned n);

}
