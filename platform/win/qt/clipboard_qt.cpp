// The clipboard over Qt's: what this program set is kept as its own blocks
// and published as MIME data when the clipboard closes; what another
// program set is read from Qt and converted once per format. "Rich Text
// Format" and "Csv" are exchanged with other programs as text/rtf and
// text/csv too.
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <cstring>
#include <map>
#include <strings.h>

#include "platform/gdi/metafiles.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/codepage.h"
#include "platform/win/clipboard.h"
#include "platform/win/surfacehost.h"

namespace {

struct ClipboardState {
    bool open = false;
    HWND openedBy = 0;
    HWND owner = 0;
    bool changed = false;
    std::map<UINT, HANDLE> own;          // set by this program
    // Our published data carries this number under publishedMarker, so a
    // later object at the same address is never taken for ours.
    quint64 published = 0;
    std::map<UINT, HANDLE> converted;    // read from another program's data
    // The clipboard's change count when `converted` was filled.
    quint64 convertedAt = 0;
    quint64 changes = 1;
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

QClipboard* QtClipboard() {
    ws::EnsureSurfaceHost();
    QClipboard* clipboard = QGuiApplication::clipboard();
    [[maybe_unused]] static const bool watched = [clipboard] {
        QObject::connect(clipboard, &QClipboard::dataChanged, [] { ++State().changes; });
        return true;
    }();
    return clipboard;
}

const char* const publishedMarker = "application/x-serviora-published";

const char* const mimePrefix = "application/x-serviora-format;name=";

QString MimeTypeOf(UINT format) {
    char name[256];
    if (!GetClipboardFormatName(format, name, sizeof(name))) return {};
    return QString::fromLatin1(mimePrefix) + QString::fromStdString(AnsiToUtf8(name));
}

// Registered formats other programs know under a standard MIME type of
// their own; a textual one travels as UTF-8 there and as ANSI here.
struct StandardType {
    const char* formatName;
    const char* mimeType;
    bool textual;
};
constexpr StandardType standardTypes[] = {{"Rich Text Format", "text/rtf", false}, {"Csv", "text/csv", true}};

const StandardType* StandardTypeOf(UINT format) {
    char name[256];
    if (!GetClipboardFormatName(format, name, sizeof(name))) return nullptr;
    for (const StandardType& type : standardTypes)
        if (strcasecmp(name, type.formatName) == 0) return &type;
    return nullptr;
}

// Text from other programs with the platform's line ends: a bare LF
// becomes CR LF, so pasted lines stay lines.
QString WithCrLf(const QString& text) {
    QString result;
    result.reserve(text.size() + text.count(QLatin1Char('\n')));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r'))) result += QLatin1Char('\r');
        result += text[i];
    }
    return result;
}

HGLOBAL BlockOf(const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (size) std::memcpy(GlobalLock(block), bytes, size);
    else GlobalLock(block);
    GlobalUnlock(block);
    return block;
}

QByteArray BytesOf(HANDLE block) {
    const void* bytes = GlobalLock(block);
    if (!bytes) return {};
    QByteArray data(static_cast<const char*>(bytes), qsizetype(GlobalSize(block)));
    GlobalUnlock(block);
    return data;
}

// The text of a text block up to its terminator.
QString TextOf(UINT format, HANDLE block) {
    const QByteArray bytes = BytesOf(block);
    if (format == CF_UNICODETEXT) {
        std::u16string wide(reinterpret_cast<const char16_t*>(bytes.constData()), std::size_t(bytes.size()) / 2);
        wide.resize(std::min(wide.size(), wide.find(u'\0')));
        return QString::fromStdU16String(wide);
    }
    const std::string ansi(bytes.constData(), strnlen(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdString(AnsiToUtf8(ansi));
}

// A text block of either text format.
HGLOBAL TextBlock(UINT format, const QString& text) {
    if (format == CF_UNICODETEXT) {
        const std::u16string wide = text.toStdU16String();
        return BlockOf(wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
    }
    const std::string ansi = Utf8ToAnsi(text.toStdString());
    return BlockOf(ansi.c_str(), ansi.size() + 1);
}

// The clipboard owns what was set: the graphic formats' handles go back
// to their GDI tables, a metafile picture's metafile with its block.
void FreeData(UINT format, HANDLE data) {
    switch (format) {
    case CF_BITMAP: case CF_DSPBITMAP: case CF_PALETTE: DeleteObject(data); break;
    case CF_ENHMETAFILE: case CF_DSPENHMETAFILE: DeleteEnhMetaFile(data); break;
    case CF_METAFILEPICT: case CF_DSPMETAFILEPICT:
        if (const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(data))) {
            DeleteMetaFile(picture->hMF);
            GlobalUnlock(data);
        }
        GlobalFree(data);
        break;
    default: GlobalFree(data); break;
    }
}

void FreeAll(std::map<UINT, HANDLE>& blocks) {
    for (auto& [format, block] : blocks) FreeData(format, block);
    blocks.clear();
}

bool OursIsCurrent() {
    auto& s = State();
    const QMimeData* mime = QtClipboard()->mimeData();
    return s.published && mime && mime->data(QLatin1String(publishedMarker)).toULongLong() == s.published;
}

std::vector<UINT> AvailableFormats() {
    auto& s = State();
    std::vector<UINT> formats;
    auto add = [&](UINT f) {
        if (std::find(formats.begin(), formats.end(), f) == formats.end()) formats.push_back(f);
    };
    if ((s.open && s.changed) || OursIsCurrent()) {
        for (auto& [format, block] : s.own) add(format);
    } else if (const QMimeData* mime = QtClipboard()->mimeData()) {
        if (mime->hasText()) add(CF_UNICODETEXT);
        for (const QString& type : mime->formats())
            if (type.startsWith(QLatin1String(mimePrefix)))
                add(RegisterClipboardFormat(Utf8ToAnsi(type.mid(qsizetype(std::strlen(mimePrefix))).toStdString()).c_str()));
        for (const StandardType& type : standardTypes)
            if (mime->hasFormat(QLatin1String(type.mimeType))) add(RegisterClipboardFormat(type.formatName));
    }
    // Each text format stands for the other.
    if (std::count(formats.begin(), formats.end(), CF_TEXT)) add(CF_UNICODETEXT);
    if (std::count(formats.begin(), formats.end(), CF_UNICODETEXT)) add(CF_TEXT);
    return formats;
}

HANDLE Convert(UINT format) {
    auto& s = State();
    const QMimeData* mime = QtClipboard()->mimeData();
    if (!mime) return 0;
    if (s.convertedAt != s.changes) {
        FreeAll(s.converted);
        s.convertedAt = s.changes;
    }
    if (auto it = s.converted.find(format); it != s.converted.end()) return it->second;
    HGLOBAL block = 0;
    const StandardType* standard = StandardTypeOf(format);
    if ((format == CF_TEXT || format == CF_UNICODETEXT) && mime->hasText()) {
        block = TextBlock(format, WithCrLf(mime->text()));
    } else if (const QString type = MimeTypeOf(format); !type.isEmpty() && mime->hasFormat(type)) {
        const QByteArray bytes = mime->data(type);
        block = BlockOf(bytes.constData(), std::size_t(bytes.size()));
    } else if (standard && mime->hasFormat(QLatin1String(standard->mimeType))) {
        // Another program's data, with the terminator programs here expect.
        const QByteArray bytes = mime->data(QLatin1String(standard->mimeType));
        const std::string data = standard->textual
                                     ? Utf8ToAnsi(WithCrLf(QString::fromUtf8(bytes)).toStdString())
                                     : bytes.toStdString();
        block = BlockOf(data.c_str(), data.size() + 1);
    }
    if (block) s.converted[format] = block;
    return block;
}

void Publish() {
    auto& s = State();
    auto mime = std::make_unique<QMimeData>();
    if (auto it = s.own.find(CF_UNICODETEXT); it != s.own.end()) mime->setText(TextOf(CF_UNICODETEXT, it->second));
    else if (auto text = s.own.find(CF_TEXT); text != s.own.end()) mime->setText(TextOf(CF_TEXT, text->second));
    for (auto& [format, block] : s.own) {
        const QString type = MimeTypeOf(format);
        if (!type.isEmpty()) mime->setData(type, BytesOf(block));
        if (const StandardType* standard = StandardTypeOf(format)) {
            // Up to the terminator the program's blocks carry.
            QByteArray bytes = BytesOf(block);
            bytes.truncate(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
            if (standard->textual) bytes = QByteArray::fromStdString(AnsiToUtf8(bytes.toStdString()));
            mime->setData(QLatin1String(standard->mimeType), bytes);
        }
    }
    static quint64 serial = 0;
    s.published = ++serial;
    mime->setData(QLatin1String(publishedMarker), QByteArray::number(s.published));
    QtClipboard()->setMimeData(mime.release());
}

}  // namespace

BOOL OpenClipboard(HWND owner) {
    auto& s = State();
    if (s.open && s.openedBy != owner) return FALSE;
    s.open = true;
    s.openedBy = owner;
    s.changed = false;
    return TRUE;
}

BOOL CloseClipboard() {
    auto& s = State();
    if (!s.open) return FALSE;
    s.open = false;
    if (s.changed) Publish();
    s.changed = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    auto& s = State();
    if (!s.open) return FALSE;
    FreeAll(s.own);
    s.owner = s.openedBy;
    s.changed = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    auto& s = State();
    if (!s.open || !data || !format) return 0;
    if (!s.changed) {
        // Setting without emptying adds to what this program offered.
        if (!OursIsCurrent()) FreeAll(s.own);
        s.changed = true;
    }
    auto [it, added] = s.own.try_emplace(format, data);
    if (!added && it->second != data) {
        FreeData(format, it->second);
        it->second = data;
    }
    return data;
}

HANDLE GetClipboardData(UINT format) {
    auto& s = State();
    if (!s.open) return 0;
    if (s.changed || OursIsCurrent()) {
        if (auto it = s.own.find(format); it != s.own.end()) return it->second;
        // The other text format, made from the one that was set.
        const UINT other = format == CF_TEXT ? CF_UNICODETEXT : format == CF_UNICODETEXT ? CF_TEXT : 0;
        auto source = other ? s.own.find(other) : s.own.end();
        if (source == s.own.end()) return 0;
        return s.own[format] = TextBlock(format, TextOf(other, source->second));
    }
    return Convert(format);
}

BOOL IsClipboardFormatAvailable(UINT format) {
    const auto formats = AvailableFormats();
    return std::find(formats.begin(), formats.end(), format) != formats.end() ? TRUE : FALSE;
}

UINT EnumClipboardFormats(UINT format) {
    const auto formats = AvailableFormats();
    if (format == 0) return formats.empty() ? 0 : formats.front();
    auto it = std::find(formats.begin(), formats.end(), format);
    return it == formats.end() || it + 1 == formats.end() ? 0 : *(it + 1);
}

int CountClipboardFormats() { return int(AvailableFormats().size()); }

UINT RegisterClipboardFormat(const char* name) { return RegisterWindowMessage(name); }

int GetClipboardFormatName(UINT format, char* buffer, int size) {
    if (format < 0xC000) return 0;
    return int(GlobalGetAtomName(ATOM(format), buffer, size));
}

HWND GetClipboardOwner() { return OursIsCurrent() ? State().owner : 0; }
HWND GetOpenClipboardWindow() { return State().open ? State().openedBy : 0; }
