#include "tools/Errors.h"

namespace kesta {

const char* ErrorMessage(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case ErrorKind::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorKind::FileNotFound:
        return "File not found";
    case ErrorKind::PathFileAccess:
        return "Path/File access error";
    }
    return "Unknown error";
}

} // namespace kesta
