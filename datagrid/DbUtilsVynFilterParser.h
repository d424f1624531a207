// Reading a filter-row text (">100", "=Null", "in (1,2,3)", "~ab%",
// ">1 & <5") into a TSTFilterExpressionVyn: at most two conditions joined by
// AND or OR, each operand converted to the column's value kind. Positions
// are 1-based; the lexer steps by character, so the trail byte of a
// double-byte character is never read as an operator.
#pragma once

#include "datagrid/DBGridVynFilterExpression.h"
#include "platform/data/db_types.h"
#include "platform/rtl/sysutils.h"

// The kind of operand a filter on a field of this type compares with.
TFilterOperandKind FieldTypeOperandKind(TFieldType type);

// Both operators and the relation fopNone, both operands Null; the operand
// kind stays.
void ResetFilterExpression(TSTFilterExpressionVyn& Expression);

// Fills Expression from Text for the operand kind already in it. A blank
// text leaves it reset; bad syntax raises an Exception whose message is the
// error's text followed by the trimmed filter text.
void ParseFilterText(const AnsiString& Text, TSTFilterExpressionVyn& Expression);

// The lexeme at Pos: an operator token, fopValue with its value (or a
// variant array of values), or fopNone. Pos moves past it.
void NextFilterLexeme(const AnsiString& S, int& Pos, bool CommaSeparates, TFilterOperator& Token, Variant& Value);

// The first position at or after Pos that holds no blank; Pos itself when
// only blanks follow or Pos is beyond the end.
int SkipFilterSpaces(const AnsiString& S, int Pos);
// The byte at Pos, the zero character beyond the end.
char FilterCharAt(const AnsiString& S, int Pos);
// The word at Pos (possibly empty): characters that are no operator,
// bracket, quote, sign or blank.
AnsiString ScanFilterWord(const AnsiString& S, int Pos);
// The operators as the lexer first recognises them, before NOT and IN are
// resolved into tokens.
enum class TFilterRawOperator { None, Equal, NotEqual, GreaterOrEqual, LessOrEqual, Greater, Less, Like, In,
                                And, Or, Not, OpenBracket, Null };
// The operator a word names: NOT, AND, OR, LIKE, IN, NULL or their
// alternative forms, in any letter case; None for any other word.
TFilterRawOperator FilterWordOperator(const AnsiString& Word);
// Values: Null beyond the end; a quoted text; or the text up to a blank
// before an operator, a bracket or (when CommaSeparates) a comma.
Variant ScanFilterValue(const AnsiString& S, int& Pos, bool CommaSeparates);
// One value, or a variant array of the comma-separated values.
Variant ScanFilterValues(const AnsiString& S, int& Pos, bool CommaSeparates);
// Whether the lexeme at Pos is an operator (fopEqual to fopOr).
bool NextLexemeIsOperator(const AnsiString& S, int Pos, bool CommaSeparates);
// False for numbers when the decimal separator is a comma.
bool FilterListCommaSeparates(TFilterOperandKind Kind);
// Texts to numbers (fokNumber) or date-times (fokDateTime), each element of
// a list too; other kinds and Null stay as they are.
Variant ConvertFilterOperands(const Variant& Operand, TFilterOperandKind Kind);
