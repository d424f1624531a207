// The shell's file-type icons: SHGetFileInfo and the small and large system
// image lists it hands out. Each kind of file (by its type, found from its
// name) and the folder get one index, stable for the run, in both lists.
#pragma once

#include "platform/ui/imagelist.h"
#include "platform/win/messages.h"

struct SHFILEINFOA {
    HICON hIcon = 0;
    int iIcon = 0;
    DWORD dwAttributes = 0;
    char szDisplayName[260] = {};
    char szTypeName[80] = {};
};
using SHFILEINFO = SHFILEINFOA;

constexpr UINT SHGFI_LARGEICON = 0x0, SHGFI_SMALLICON = 0x1, SHGFI_USEFILEATTRIBUTES = 0x10, SHGFI_ICON = 0x100,
               SHGFI_SYSICONINDEX = 0x4000;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10, FILE_ATTRIBUTE_NORMAL = 0x80;

// With SHGFI_SYSICONINDEX: the system image list (small or large) and the
// icon's index in info->iIcon. A path that is neither a file nor a folder
// fails (0) unless SHGFI_USEFILEATTRIBUTES says to go by its name and
// `fileAttributes`; an empty path answers the list alone. Other information
// is not provided.
ULONG_PTR SHGetFileInfo(const char* path, DWORD fileAttributes, SHFILEINFOA* info, UINT size, UINT flags);
inline ULONG_PTR SHGetFileInfoA(const char* path, DWORD fileAttributes, SHFILEINFOA* info, UINT size, UINT flags) {
    return SHGetFileInfo(path, fileAttributes, info, size, flags);
}

// The image list behind a system image list handle, or nullptr.
TCustomImageList* SystemImageList(HIMAGELIST list);

// ---- Back end (the Qt layer) --------------------------------------------------------------

// The name of the icon of a file's type, found from its name.
AnsiString FileTypeIconName(const AnsiString& path);
// A 32-bit picture of the named icon (a folder for "folder") at `size`
// pixels square, its transparent pixels in magenta; drawn plainly when the
// desktop has no such icon.
HBITMAP FileTypeIconBitmap(const AnsiString& iconName, int size);
