// The command line, the platform's random-number generator, the
// operating-system version the program reports, locale texts, OS errors and
// packages.
#include <chrono>
#include <climits>
#include <unistd.h>
#include <vector>

#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"

namespace {

// Arguments as ANSI text; index 0 is the executable's full path.
std::vector<AnsiString>& Arguments() {
    static std::vector<AnsiString> arguments;
    return arguments;
}

AnsiString ExecutablePath(const char* fallback) {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length > 0) return Utf8ToAnsi(std::string_view(path, std::size_t(length)));
    return fallback ? Utf8ToAnsi(fallback) : AnsiString();
}

// One step of the platform's linear congruential generator.
Cardinal NextSeed() {
    RandSeed = RandSeed * 0x08088405u + 1;
    return RandSeed;
}

}  // namespace

Cardinal RandSeed = 0;

int Win32Platform = VER_PLATFORM_WIN32_NT;
int Win32MajorVersion = 5;
int Win32MinorVersion = 1;
int Win32BuildNumber = 2600;
AnsiString Win32CSDVersion = "Service Pack 3";
TSysLocale SysLocale{0x0804, 0x04, 0x02, true, false};

void SetCommandLine(int argc, char** argv) {
    std::vector<AnsiString>& arguments = Arguments();
    arguments.assign(1, ExecutablePath(argc > 0 ? argv[0] : nullptr));
    for (int i = 1; i < argc; ++i) arguments.push_back(Utf8ToAnsi(argv[i]));
}

int ParamCount() {
    const std::vector<AnsiString>& arguments = Arguments();
    return arguments.empty() ? 0 : int(arguments.size()) - 1;
}

AnsiString ParamStr(int index) {
    const std::vector<AnsiString>& arguments = Arguments();
    if (index == 0 && arguments.empty()) return ExecutablePath(nullptr);
    if (index < 0 || std::size_t(index) >= arguments.size()) return AnsiString();
    return arguments[std::size_t(index)];
}

// The high half of seed x range, so every step yields 0 <= result < range;
// a range of zero or less yields 0.
Integer Random(Integer range) {
    std::uint64_t seed = NextSeed();
    if (range <= 0) return 0;
    return Integer((seed * std::uint64_t(range)) >> 32);
}

double Random() { return double(NextSeed()) / 4294967296.0; }

void Randomize() {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    RandSeed = Cardinal(std::uint64_t(ticks) ^ (std::uint64_t(ticks) >> 32));
}

AnsiString GetLocaleStr(Cardinal locale, Cardinal type, const AnsiString& fallback) {
    const int size = GetLocaleInfo(locale, type, nullptr, 0);
    if (size <= 0) return fallback;
    std::vector<char> data(std::size_t(size), '\0');
    GetLocaleInfo(locale, type, data.data(), size);
    return AnsiString(data.data());
}

char GetLocaleChar(Cardinal locale, Cardinal type, char fallback) {
    const AnsiString text = GetLocaleStr(locale, type, AnsiString());
    return text.empty() ? fallback : text[0];
}

void GetFormatSettings() { RestoreDefaultFormatSettings(); }

AnsiString SysErrorMessage(Integer code) { return Utf8ToAnsi(std::strerror(code)); }

void RaiseLastWin32Error() {
    const Integer code = Integer(GetLastError());
    throw EOSError("System Error.  Code: " + IntToStr(code) + ".\r\n" + SysErrorMessage(code));
}

bool Win32Check(bool result) {
    if (!result) RaiseLastWin32Error();
    return true;
}

Cardinal LoadPackage(const AnsiString& name) { throw EPackageError("Can't load package " + name + "."); }

void UnloadPackage(Cardinal) {}
