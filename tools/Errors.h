// The one way this system reports failure: a RuntimeError carrying one ErrorKind and the place
// it arose. Every layer (number text, the string list, the report, the window) raises these and
// nothing else, so the window can name the kind to the user in one place.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace kesta {

enum class ErrorKind {
    TypeMismatch,   // a text that must hold a number does not ("", "300abc", "1,5")
    DivisionByZero, // a divisor is zero (0/0 included), or 0 is raised to a negative power
    Overflow,       // a result or a typed number is beyond the range of a double or a 16-bit count
    InvalidProcedureCall, // an argument no operation accepts: a negative base to a fractional
                          // power, a negative decimal count, an empty list where an item is needed
    SubscriptOutOfRange,  // a field record is read where it has no name or no "=" value
    FileNotFound,         // a file to be read does not exist or cannot be opened
    PathFileAccess,       // a file cannot be created, written or read to its end
};

// The user-facing message of a kind, e.g. "Division by zero".
const char* ErrorMessage(ErrorKind kind);

class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(ErrorKind kind) : std::runtime_error(ErrorMessage(kind)), kind_(kind) {}
    // A failure that says more than its kind, and where it arose for the user: e.g. the
    // message "the shaft must be wider than 0 inches" at "input ShaftOD", or a line of a game
    // file ("mygame.csv, line 4").
    RuntimeError(ErrorKind kind, const std::string& message, std::string place)
        : std::runtime_error(message), kind_(kind), place_(std::move(place)) {}
    ErrorKind kind() const { return kind_; }

    // Where the failure arose, in the user's words: "input InArrowLength", "report line 17,
    // Dynamic Spine", "Kudu male, Game Recommendations". The arithmetic that raises does not
    // know it; the driver that knows catches the error, sets the place and rethrows it (a
    // `throw;` rethrows this same object, so the place travels on). Empty until one is set.
    const std::string& place() const { return place_; }
    void SetPlace(std::string place) { place_ = std::move(place); }

  private:
    ErrorKind kind_;
    std::string place_;
};

} // namespace kesta
