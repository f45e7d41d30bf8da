#pragma once
// Messages that a window shows while it is being created (a missing or bad data file):
// an information box for the fixed "not found" texts, the error box for conversion errors.

#include <string>
#include <vector>

namespace roofcalc {

enum class MessageKind { Information, Error };

struct Message {
  MessageKind kind;
  std::string text;
};

using Messages = std::vector<Message>;

}  // namespace roofcalc
