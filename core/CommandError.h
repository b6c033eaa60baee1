#pragma once
// CommandError: a run-time failure that ends a command, carrying the exact text the user sees
// ("Cannot open file %s", "'%s' is not a valid integer value", ...). The main window's command
// dispatch catches it and shows it in a message box; it never crosses the event loop.

#include <stdexcept>
#include <string>

namespace glimmerset {

class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace glimmerset
