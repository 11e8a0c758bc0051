// Errors raised by the core. Their text is Windows-1251 and is shown to the
// user by whoever catches them.
#pragma once

#include <stdexcept>
#include <string>

namespace kv {

class EError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value that does not convert (a colour that is not hexadecimal, an integer that is not a number).
class EConvertError : public EError {
 public:
  using EError::EError;
};

// A file that cannot be read (a page that is neither a member nor a disk file).
class EInOutError : public EError {
 public:
  using EError::EError;
};

}  // namespace kv
