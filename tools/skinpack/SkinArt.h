// The project's own skin art: every image the skin description names,
// painted from flat colours with one-pixel bevels, magenta where the
// element is transparent, and a different face for every state frame.
#pragma once

#include <vector>

#include "tools/skinpack/SkinPackage.h"

// The images, as BMP members named as the description names them.
std::vector<TSkinMember> PaintSkinArt();
// The package the program carries: the art and the description text.
std::vector<Byte> WriteServioraSkin(const AnsiString& description);
