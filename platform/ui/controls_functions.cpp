// The Controls unit's free functions: cursor names, the application's
// window, the window procedure every control starts with, the drag test.
#include <iterator>

#include "platform/rtl/sysutils.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/win/winpaint.h"

LRESULT InitialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

struct CursorName {
    TCursor cursor;
    const char* name;
};

// crSize and crSizeAll share a value; the newer name is the one answered.
constexpr CursorName cursorNames[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeAll, "crSizeAll"},
    {crSizeNESW, "crSizeNESW"},   {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},       {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},           {crNoDrop, "crNoDrop"},     {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},       {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},               {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSize, "crSize"},
};

}  // namespace

bool IsDragObject(TObject* sender) { return dynamic_cast<TDragObject*>(sender) != nullptr; }

bool CursorToIdent(TCursor cursor, AnsiString& ident) {
    for (const CursorName& entry : cursorNames)
        if (entry.cursor == cursor) {
            ident = entry.name;
            return true;
        }
    return false;
}

bool IdentToCursor(const AnsiString& ident, TCursor& cursor) {
    for (const CursorName& entry : cursorNames)
        if (SameText(ident, entry.name)) {
            cursor = entry.cursor;
            return true;
        }
    return false;
}

AnsiString CursorToString(TCursor cursor) {
    AnsiString ident;
    return CursorToIdent(cursor, ident) ? ident : IntToStr(cursor);
}

TCursor StringToCursor(const AnsiString& text) {
    TCursor cursor = 0;
    return IdentToCursor(text, cursor) ? cursor : StrToInt(text);
}

LRESULT InitWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return InitialWindowProc(window, message, wParam, lParam);
}

LRESULT SendAppMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = Application ? Application->Handle() : 0;
    return window ? SendMessage(window, message, wParam, lParam) : 0;
}

void MoveWindowOrg(HDC dc, int dx, int dy) { OffsetViewportOrgEx(dc, dx, dy, nullptr); }
