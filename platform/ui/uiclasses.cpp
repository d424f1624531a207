// The registration of platform/ui's classes for form descriptions.
#include "platform/rtl/classregistry.h"
#include "platform/ui/guiplatform.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/jpegimage.h"

void RegisterUiClasses() {
    RegisterClasses({TBitmap::StaticClass(), TIcon::StaticClass(), TPngImage::StaticClass(), TJPEGImage::StaticClass(),
                     TImageList::StaticClass()});
}
