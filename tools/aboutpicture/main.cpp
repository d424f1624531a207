// serviora-aboutpicture: prints the About picture's "Picture.Data" block
// for app/guanyufrm.dfm (indented for Image1 inside the form).
#include <iostream>

#include "tools/aboutpicture/about_picture.h"

int main() {
    std::cout << serviora::AboutPictureFormText(4);
    return 0;
}
