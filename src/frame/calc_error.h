#pragma once
// The one way a calculation or a data-file reader reports a failure to the user: the text of
// the error box (full stop included). Windows show it in a message box, the CLI on stderr.

#include <stdexcept>
#include <string>

namespace roofcalc {

class CalcError : public std::runtime_error {
 public:
  explicit CalcError(const std::string& userText) : std::runtime_error(userText) {}
};

// Floating-point faults stop a calculation like the processor exceptions they stand for.
enum class FloatFault { DivisionByZero, Overflow, InvalidOperation };

const char* floatFaultText(FloatFault fault);  // with the appended full stop

class FloatFaultError : public CalcError {
 public:
  explicit FloatFaultError(FloatFault f) : CalcError(floatFaultText(f)), fault_(f) {}
  FloatFault fault() const { return fault_; }

 private:
  FloatFault fault_;
};

}  // namespace roofcalc
