// The statements on the spare phones (备用机库) and their loans (领用记录):
// the register's list, look-up, insert and "contains" search, and the
// lending's search, loan and stock update. Every text value travels
// quoted.
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

// Opens the phone of this IMEI (no row when there is none).
void OpenSpare(TADOQuery* query, const AnsiString& imei);
// Opens 串码, 品牌, 型号 and 颜色 of the phones in stock whose `column`
// contains `text`.
void SearchSparesInStock(TADOQuery* query, const AnsiString& column, const AnsiString& text);

// A loan as the lending window collects it.
struct TLoan {
    AnsiString Customer, FaultyImei, FaultyModel, Remark, Date, Imei, Brand, Model, Color, Accessories;
};
// Records the loan, not returned.
void InsertLoan(TADOQuery* query, const TLoan& loan);
// Marks the phone lent to `customer` on `date`.
void MarkSpareLent(TADOQuery* query, const AnsiString& imei, const AnsiString& customer, const AnsiString& date);

// The loan list's state choices (RadioGroup1).
enum TLoanState { lsOpen, lsReturned, lsAll };
// Opens the loans in `state`, lent between the two days (in either order)
// unless `allDates`, oldest lending first.
void OpenLoans(TADOQuery* query, TLoanState state, bool allDates, TDateTime from, TDateTime to);
// Opens the loans of every state whose spare phone's IMEI contains `text`.
void OpenLoansBySpareImei(TADOQuery* query, const AnsiString& text);
// Puts the phone back into stock; a phone no longer registered changes no
// row, which is no failure.
void MarkSpareReturned(TADOQuery* query, const AnsiString& imei);
