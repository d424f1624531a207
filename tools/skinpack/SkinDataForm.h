// The main window's skin component as its form description stores it: the
// settings the program uses and the whole package in "SkinStream".
#pragma once

#include <vector>

#include "platform/rtl/types.h"

// The "object SkinData1: TSkinData" block, indented as a child of the form.
AnsiString SkinDataFormText(const std::vector<Byte>& package);
// The form description with its SkinData1 block replaced by that text;
// unchanged when the description has no such block.
AnsiString ReplaceSkinDataBlock(const AnsiString& form, const AnsiString& block);
