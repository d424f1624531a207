// serviora-toolglyphs: prints the toolbar image list's "Bitmap" block for
// ImageList2 of app/mainfrm.dfm (indented for an object inside the form).
#include <iostream>

#include "tools/toolglyphs/toolbar_glyphs.h"

int main() {
    std::cout << serviora::ToolbarGlyphsFormText(4);
    return 0;
}
