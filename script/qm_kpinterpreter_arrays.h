// Script arrays: one to ten dimensions with bounds of their own, elements
// stored first index fastest, each converted to the element type on the
// way in. One-dimensional arrays also grow, shrink, lose and gain elements.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/format.h"
#include "script/qm_kpinterpreter_datatypes.h"

constexpr int MaxArrayDims = 10;

struct TKpInterpreterArrayRec {
    int DimCount = 0;
    std::array<int, MaxArrayDims> LowBound{};
    std::array<int, MaxArrayDims> HighBound{};
    // 0 for Variant elements, 256 for strings, else a simple or the object type.
    TVarType ElemType = 0;
    TKpDataTypePtr ElemDataType;
    int ElemBytes = 0;
    int ElemCount = 0;
    // Each element already of the element type.
    std::vector<Variant> Elements;
};

// 174 for a dimension count outside 1..10, 175 for a dimension whose upper
// bound lies below its lower one (except the empty dynamic array 0..-1).
std::shared_ptr<TKpInterpreterArrayRec> NewScriptArray(int dimCount, const int* lowBounds, const int* highBounds,
                                                       TKpDataTypePtr elemDataType, TVarType elemType);
int ArrayElementCount(int dimCount, const int* lowBounds, const int* highBounds);
// The 0-based element number; every index of a multi-dimensional access is
// checked (171), a one-dimensional index is the caller's to check.
int ArrayElementIndex(const TKpInterpreterArrayRec& array, const int* indices);
Variant GetArrayElement(const TKpInterpreterArrayRec& array, const int* indices);
void SetArrayElement(TKpInterpreterArrayRec& array, const int* indices, const Variant& value);

// One-dimensional operations on a script-array Variant; a larger array
// raises a plain Exception with the operation's text.
void ArraySetLength(const Variant& array, int newLength);
int ArrayLength(const Variant& array);
int ArrayLow(const Variant& array);
int ArrayHigh(const Variant& array);
// 171 for an index outside the bounds.
void ArrayDelete(const Variant& array, int index);
void ArrayInsert(const Variant& array, int index, const Variant& value);

// A script array or a one-dimensional Variant array as open-array
// constants: integers, reals (currency too), Booleans and strings as such,
// objects as pointers, anything else as its text. Returns the count.
int ArrayToOpenArray(const Variant& value, std::vector<TVarRec>& constants);
