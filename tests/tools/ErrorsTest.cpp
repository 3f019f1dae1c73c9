#include "tools/Errors.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

TEST(Errors, EveryKindCarriesItsMessage) {
    const std::pair<ErrorKind, const char*> kinds[] = {
        {ErrorKind::TypeMismatch, "Type mismatch"},
        {ErrorKind::DivisionByZero, "Division by zero"},
        {ErrorKind::Overflow, "Overflow"},
        {ErrorKind::InvalidProcedureCall, "Invalid procedure call or argument"},
        {ErrorKind::SubscriptOutOfRange, "Subscript out of range"},
        {ErrorKind::FileNotFound, "File not found"},
        {ErrorKind::PathFileAccess, "Path/File access error"},
    };
    for (const auto& [kind, message] : kinds) {
        try {
            throw RuntimeError(kind);
        } catch (const std::runtime_error& e) { // caught as the standard base
            EXPECT_STREQ(e.what(), message);
            EXPECT_EQ(dynamic_cast<const RuntimeError&>(e).kind(), kind);
        }
    }
}

} // namespace
} // namespace kesta
