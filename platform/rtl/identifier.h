// Identifiers as the class library compares and validates them: class,
// component, property and enumeration names (ASCII letters, digits and "_",
// not starting with a digit; case ignored for ASCII letters).
#pragma once

#include <string_view>

bool SameIdentifier(std::string_view a, std::string_view b);
bool IsIdentifier(std::string_view text);
