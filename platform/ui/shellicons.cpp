// The system image lists grow as icons are asked for; an icon keeps its
// index for the rest of the run in both lists.
#include "platform/ui/shellicons.h"

#include <map>
#include <memory>

#include "platform/rtl/fileutils.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"

namespace {

constexpr HIMAGELIST kSmallList = 0x5E110001, kLargeList = 0x5E110002;
constexpr char kFolder[] = "folder";

struct SystemLists {
    std::unique_ptr<TImageList> small, large;
    std::map<AnsiString, int> indexes;

    SystemLists() : small(std::make_unique<TImageList>(nullptr)), large(std::make_unique<TImageList>(nullptr)) {
        small->SetWidth(16);
        small->SetHeight(16);
        large->SetWidth(32);
        large->SetHeight(32);
    }

    int IndexOf(const AnsiString& iconName) {
        auto it = indexes.find(iconName);
        if (it != indexes.end()) return it->second;
        for (TImageList* list : {small.get(), large.get()}) {
            TBitmap image;
            image.SetHandle(FileTypeIconBitmap(iconName, list->Width()));
            list->AddMasked(&image, clFuchsia);
        }
        return indexes[iconName] = small->Count() - 1;
    }
};

SystemLists& Lists() {
    static SystemLists lists;
    return lists;
}

}  // namespace

ULONG_PTR SHGetFileInfo(const char* path, DWORD fileAttributes, SHFILEINFOA* info, UINT size, UINT flags) {
    if (!info || size < sizeof(SHFILEINFOA) || !(flags & SHGFI_SYSICONINDEX)) return 0;
    const HIMAGELIST list = (flags & SHGFI_SMALLICON) ? kSmallList : kLargeList;
    const AnsiString name = path ? path : "";
    if (name.empty()) return list;
    bool folder;
    if (flags & SHGFI_USEFILEATTRIBUTES)
        folder = (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    else if (DirectoryExists(name))
        folder = true;
    else if (FileExists(name))
        folder = false;
    else
        return 0;
    info->iIcon = Lists().IndexOf(folder ? AnsiString(kFolder) : FileTypeIconName(name));
    return list;
}

TCustomImageList* SystemImageList(HIMAGELIST list) {
    if (list == kSmallList) return Lists().small.get();
    if (list == kLargeList) return Lists().large.get();
    return nullptr;
}
