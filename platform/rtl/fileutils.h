// Files and folders on disk, with the platform's names and results: the
// program's own folder, existence tests, creating, deleting, renaming and
// copying, searching a folder with wildcards, file dates, and the whole-file
// helpers the ini and registry stores write through.
//
// Names are ANSI text; they become UTF-8 with "/" separators only when
// handed to the OS (OsFileName in filepaths.h). Functions answering bool
// leave errno as the OS set it when they fail.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/rtl/filepaths.h"
#include "platform/rtl/types.h"

// The running executable's full name (ParamStr(0)), and its folder with a trailing "/"
// (where the program keeps myini.ini, database/ and backup/).
AnsiString ProgramFileName();
AnsiString ProgramFolder();

AnsiString GetCurrentDir();
// An absolute name with "/" separators and "." and ".." resolved; relative
// names are taken from the current folder. A trailing separator stays.
AnsiString ExpandFileName(const AnsiString& name);
// The folder for temporary files ($TMPDIR or /tmp), with a trailing "/".
AnsiString GetTempPath();

// True for a file that is not a folder.
bool FileExists(const AnsiString& name);
bool DirectoryExists(const AnsiString& name);
// Creates the folder and any missing parents; true when it exists after.
// EInOutError for an empty name.
bool ForceDirectories(const AnsiString& dir);
bool DeleteFile(const AnsiString& name);
// Fails, as on the platform, when `newName` already exists.
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);
// Copies contents, permissions and the modification time. With
// `failIfExists` an existing target is left alone and the result is false.
// The target is replaced only by a complete copy.
bool CopyFile(const AnsiString& source, const AnsiString& target, bool failIfExists);
inline bool CopyFileA(const AnsiString& source, const AnsiString& target, bool failIfExists) {
    return CopyFile(source, target, failIfExists);
}

// File dates are the platform's packed local date and time ("DOS date"):
// bits 25..31 year - 1980, 21..24 month, 16..20 day, 11..15 hour,
// 5..10 minute, 0..4 seconds / 2.
// FileAge: the file's modification time, or -1 when it does not exist.
Integer FileAge(const AnsiString& name);
// EConvertError for a value that is no date.
TDateTime FileDateToDateTime(Integer fileDate);

// File attributes with the platform's values. Folders are faDirectory,
// names starting with "." faHidden, files we cannot write faReadOnly, other
// files faArchive.
constexpr Integer faReadOnly = 0x01;
constexpr Integer faHidden = 0x02;
constexpr Integer faSysFile = 0x04;
constexpr Integer faVolumeID = 0x08;
constexpr Integer faDirectory = 0x10;
constexpr Integer faArchive = 0x20;
constexpr Integer faAnyFile = 0x3F;

struct TSearchState;

struct TSearchRec {
    Integer Time = 0;  // file date, as FileAge
    Int64 Size = 0;
    Integer Attr = 0;
    AnsiString Name;   // the name alone, without its folder
    Integer ExcludeAttr = 0;
    std::shared_ptr<TSearchState> FindHandle;
};

// Searches the folder of `path` for names matching its last part, where "*"
// stands for any characters and "?" for one (ASCII case ignored, as file
// names on the platform; "x.*" also matches "x"). Plain files always match;
// hidden files, system files and folders (with "." and "..") only when
// `attr` asks for them. Answers 0 and fills `rec` with the first match, or
// ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND. Names come in byte order.
int FindFirst(const AnsiString& path, Integer attr, TSearchRec& rec);
// 0 and the next match, or ERROR_NO_MORE_FILES.
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// File handles with the platform's open modes (streams.h). Handles are the
// program's own: a file opened again through one is refused while another
// handle's sharing mode denies the new access, or the new sharing mode
// denies an access already held. -1 when a file cannot be opened.
Integer FileOpen(const AnsiString& name, Cardinal mode);
// Creates or truncates the file, for reading and writing, shared with none.
Integer FileCreate(const AnsiString& name);
// Bytes moved, or -1.
Integer FileRead(Integer handle, void* buffer, Integer count);
Integer FileWrite(Integer handle, const void* buffer, Integer count);
// The new position, or -1; origin 0 the start, 1 the position, 2 the end.
Integer FileSeek(Integer handle, Integer offset, Integer origin);
void FileClose(Integer handle);
// Packed dates (as FileAge) of an open file or a named one; the setters
// answer 0 or the OS error.
Integer FileGetDate(Integer handle);
Integer FileSetDate(Integer handle, Integer age);
Integer FileSetDate(const AnsiString& name, Integer age);
Integer DateTimeToFileDate(TDateTime value);
// The attributes as FindFirst reports them, or -1; setting changes only
// faReadOnly (the others follow from the name and the kind of file).
Integer FileGetAttr(const AnsiString& name);
Integer FileSetAttr(const AnsiString& name, Integer attr);

// Paths of this platform have no drive: "".
AnsiString ExtractFileDrive(const AnsiString& name);
// No network names here: as ExpandFileName.
AnsiString ExpandUNCFileName(const AnsiString& name);
// destName as seen from the folder of baseName ("../b/c.txt").
AnsiString ExtractRelativePath(const AnsiString& baseName, const AnsiString& destName);
// name itself when it exists, else the first folder of the ";"-separated
// list holding it, as a full name; "" when none does.
AnsiString FileSearch(const AnsiString& name, const AnsiString& dirList);
// Bytes free for the caller and in all on drive 0, the current folder's
// file system; -1 for any other drive.
Int64 DiskFree(Byte drive);
Int64 DiskSize(Byte drive);
bool SetCurrentDir(const AnsiString& dir);
bool CreateDir(const AnsiString& dir);
bool RemoveDir(const AnsiString& dir);

// The whole file into `bytes`; false when it cannot be read.
bool ReadFileBytes(const AnsiString& name, std::string& bytes);
// Writes `bytes` into a temporary file beside `name` and renames it over
// `name`, so readers see the old or the new contents, never a part; file and
// folder are synced, so the new contents survive a crash. An existing file
// keeps its permissions.
bool WriteFileAtomically(const AnsiString& name, std::string_view bytes);
