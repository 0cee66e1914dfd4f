#include "kernel/Checked.h"

namespace Checked {

void Fail(const char* what) {
    throw EFloatError(std::string("floating-point fault: ") + what);
}

}  // namespace Checked
