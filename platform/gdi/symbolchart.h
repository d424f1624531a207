// The symbol chart of the face "Symbol": text in that face is no GB18030
// text but one symbol per byte (0xB7 is the bullet, the letters are Greek).
#pragma once

// The character the byte shows in the face "Symbol"; the byte itself (as
// Latin-1) where the chart has nothing else.
char16_t SymbolCharToUnicode(unsigned char byte);

// Whether a face name is the symbol face.
bool IsSymbolFace(const char* faceName);
