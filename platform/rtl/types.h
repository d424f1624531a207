// The platform's basic value types, as the rest of the system spells them.
#pragma once

#include <cstdint>
#include <string>

// Text in the system's ANSI code page (936, stored as GB18030).
using AnsiString = std::string;
// Wide text where a caller needs UTF-16.
using WideString = std::u16string;

using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;
using Word = std::uint16_t;
using Byte = std::uint8_t;
using LongBool = std::int32_t;

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

// A kernel object (file search, mutex, ...): a 32-bit id in a table of its
// kind; 0 is no object.
using HANDLE = Cardinal;
using THandle = Cardinal;
