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

// The code that raises does not know the place; a driver further out catches the error, sets
// the place and rethrows, and the place reaches whoever catches it last; kind and message
// travel unchanged.
TEST(Errors, APlaceSetOnTheWayOutReachesTheLastCatch) {
    try {
        try {
            throw RuntimeError(ErrorKind::Overflow);
        } catch (RuntimeError& e) {
            EXPECT_EQ(e.place(), ""); // none until a driver sets one
            e.SetPlace("report line 17, Dynamic Spine");
            throw;
        }
    } catch (const std::exception& e) {
        const auto& error = dynamic_cast<const RuntimeError&>(e);
        EXPECT_EQ(error.kind(), ErrorKind::Overflow);
        EXPECT_STREQ(error.what(), "Overflow");
        EXPECT_EQ(error.place(), "report line 17, Dynamic Spine");
    }
}

} // namespace
} // namespace kesta
