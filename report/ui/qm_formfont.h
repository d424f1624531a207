// The font every report window takes from the engine's strings (name,
// size and character set), so the windows follow the engine's language.
#pragma once

class TFont;

void ApplyReportFont(TFont* font);
