#pragma once

#include <stdexcept>
#include <string>

namespace vbrt {

// Error numbers the scripting platform raises; callers and tests compare against these.
enum ErrorNumber : int {
    kInvalidCall = 5,
    kOverflow = 6,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kSyntaxError = 1002,
    kInvalidCharacter = 1032,
};

// The one run-time error of the program: carries the platform's error number so that
// "skip and continue" and "stop and report" can treat every failure alike.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number, const std::string& what = {});
    int number() const noexcept { return number_; }

  private:
    int number_;
};

}  // namespace vbrt
