// Makes GoogleTest show std::string values as UTF-8 text: the strings of the
// system hold GB18030 bytes, which a terminal would show as noise. Included
// into every test source by the build, ahead of GoogleTest itself, because
// GoogleTest's own headers already print strings.
#pragma once

#include <ostream>
#include <string>

namespace serviora_test {
void PrintAnsi(const std::string& value, std::ostream* os);
}

namespace testing::internal {
template <typename T>
class UniversalPrinter;

template <>
class UniversalPrinter<std::string> {
public:
    static void Print(const std::string& value, std::ostream* os) { serviora_test::PrintAnsi(value, os); }
};
}  // namespace testing::internal

#include <gtest/gtest.h>
