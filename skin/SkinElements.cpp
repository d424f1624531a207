// Skin elements and the colour-text parser.
#include "skin/SkinElements.h"

#include <cctype>

#include "platform/rtl/sysutils.h"

TDataSkinObject::TDataSkinObject() : Bitmap(std::make_unique<TBitmap>()) {}
TDataSkinObject::~TDataSkinObject() = default;

TDataSkinBorder::TDataSkinBorder() : Bitmap2(std::make_unique<TBitmap>()) {}
TDataSkinBorder::~TDataSkinBorder() = default;

TDataSkinButton::TDataSkinButton()
    : CheckBitmap(std::make_unique<TBitmap>()), RadioBitmap(std::make_unique<TBitmap>()) {}
TDataSkinButton::~TDataSkinButton() = default;

COLORREF ParseSkinColour(const AnsiString& text) {
    const AnsiString trimmed = Trim(text);
    unsigned channels[3] = {0, 0, 0};
    int found = 0;
    unsigned number = 0;
    bool inNumber = false;
    for (char c : trimmed) {
        if (found == 3) break;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number = number * 10 + static_cast<unsigned>(c - '0');
            inNumber = true;
        } else if (inNumber) {
            channels[found++] = number & 0xFF;
            number = 0;
            inNumber = false;
        }
    }
    if (inNumber && found == 2) channels[found] = number & 0xFF;
    return RGB(static_cast<Byte>(channels[0]), static_cast<Byte>(channels[1]), static_cast<Byte>(channels[2]));
}
