#include "vbrt/RuntimeError.h"

namespace vbrt {

RuntimeError::RuntimeError(int number, const std::string& what)
    : std::runtime_error(what.empty() ? "runtime error " + std::to_string(number) : what),
      number_(number) {}

}  // namespace vbrt
