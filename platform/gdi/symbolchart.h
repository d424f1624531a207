// The charts of the faces that are no GB18030 text but one glyph per byte:
// "Symbol" (0xB7 is the bullet, the letters are Greek) and "Marlett", the
// window system's glyph face ("r" is the close cross, "6" the down arrow).
#pragma once

// The character the byte shows in the face "Symbol"; the byte itself (as
// Latin-1) where the chart has nothing else.
char16_t SymbolCharToUnicode(unsigned char byte);

// Whether a face name is the symbol face.
bool IsSymbolFace(const char* faceName);

// The glyph the byte shows in the face "Marlett"; the byte itself where the
// chart has nothing else.
char16_t MarlettCharToUnicode(unsigned char byte);
bool IsMarlettFace(const char* faceName);

// Whether a face draws one glyph per byte from its chart, and that glyph.
bool IsChartFace(const char* faceName);
char16_t ChartCharToUnicode(const char* faceName, unsigned char byte);
