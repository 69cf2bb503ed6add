#include "qel_core/isPowerOfTwo.h"

namespace QEL {

bool isPowerOfTwo(unsigned n)
{
    return n != 0 && (n & (n - 1)) == 0;
}

}
