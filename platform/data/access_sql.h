// The Access SQL dialect the application writes, turned into SQLite's, and
// the one question the dataset asks of a statement's text: does it read the
// rows of a single table, so that they can be edited through the rowid?
//
// The scanning steps by character (GB18030) and skips quoted text ('...',
// "...") and bracketed names ([...]), so nothing inside a value is touched.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/rtl/types.h"

// Replaces every date literal #yyyy-mm-dd# (also #m/d/yyyy#, with an
// optional time) by the ISO text literal 'yyyy-mm-dd' ('yyyy-mm-dd hh:nn:ss'
// when a time is given), the form in which the database stores dates. Text
// that is not a date between two # signs is left alone; so are true and
// false, which SQLite reads as Access does. BETWEEN takes its bounds in
// either order, as in Access: "x between a and b" becomes
// "x between min(a, b) and max(a, b)".
AnsiString TranslateAccessSql(const AnsiString& sql);

// A statement of the form "select <columns> from <table> [where ...]
// [order by ...]": one table, no alias, no DISTINCT, grouping or union.
struct PlainSelect {
    AnsiString table;             // unbracketed
    std::size_t afterSelect = 0;  // byte offset just after the word "select"
};
std::optional<PlainSelect> AnalysePlainSelect(const AnsiString& sql);
