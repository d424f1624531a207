// The About window's picture, drawn by code: a phone on a blue gradient,
// 121 by 185 pixels, 16 colours. The form description of Tguanyu stores it;
// serviora-aboutpicture prints the block to paste there, and a test checks
// that the stored bytes are what this code draws now.
#pragma once

#include <string>

namespace serviora {

constexpr int kAboutPictureWidth = 121;
constexpr int kAboutPictureHeight = 185;

// The picture as a BMP file (4 bits per pixel, bottom-up rows).
std::string AboutPictureBmp();
// The bytes of the "Picture.Data" property: the graphic class name
// "TBitmap" as a length-prefixed string, then the BMP file.
std::string AboutPictureData();
// The property as form-description text at the given indentation:
// "Picture.Data = {" and lines of 64 hex digits, closed by "}".
std::string AboutPictureFormText(int indent);

}  // namespace serviora
