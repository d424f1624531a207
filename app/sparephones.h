// The statements on the spare phones (备用机库): the register's list, its
// look-up, insert and "contains" search. Every text value travels quoted.
#pragma once

#include <array>

#include "platform/data/ado.h"

// The columns the register's quick search may search, in the chooser's
// order.
extern const std::array<const char*, 6> SpareSearchColumns;

// Opens the whole register.
void OpenSpares(TADOQuery* query);
// Whether a spare phone with this IMEI is registered.
bool SpareExists(TADOQuery* query, const AnsiString& imei);
// Registers a spare phone, not lent.
void InsertSpare(TADOQuery* query, const AnsiString& imei, const AnsiString& brand, const AnsiString& model,
                 const AnsiString& color, const AnsiString& accessories);
// Opens the phones whose `column` contains `text` ("%" and "_" stay
// wildcards). EDatabaseError naming the text, with nothing run, when
// `column` is not one of SpareSearchColumns.
void SearchSpares(TADOQuery* query, const AnsiString& column, const AnsiString& text);
