// Enhanced metafiles kept in memory: the recording DC (a memory DC over a
// white raster, with the text records it collects), the metafile's bytes
// and the records handed out in order.
#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/gdi/handles.h"
#include "platform/gdi/qt/gdi_internal.h"
#include "platform/gdi/wingdi_emf.h"
#include "platform/rtl/codepage.h"

namespace gdi {

struct MetafileRecording {
    HBITMAP raster = 0;
    HGDIOBJ oldBitmap = 0;
    void* bits = nullptr;
    int width = 0, height = 0;
    RECTL frame;
    std::u16string description;
    std::vector<std::string> textRecords;
};

namespace {

struct Metafile {
    std::string bytes;
};

HandleTable<Metafile>& Metafiles() {
    static HandleTable<Metafile> table(HandleKind::EnhMetaFile);
    return table;
}

std::mutex recordingsMutex;
std::vector<std::unique_ptr<MetafileRecording>>& Recordings() {
    static std::vector<std::unique_ptr<MetafileRecording>> recordings;
    return recordings;
}

template <class T>
void Append(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PadToDword(std::string& out) { out.resize((out.size() + 3) & ~std::size_t(3), '\0'); }

template <class T>
T At(const std::string& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::string RasterRecord(const MetafileRecording& r) {
    EMRSTRETCHDIBITS record;
    record.emr.iType = EMR_STRETCHDIBITS;
    record.rclBounds = RECTL{0, 0, r.width - 1, r.height - 1};
    record.cxSrc = record.cxDest = r.width;
    record.cySrc = record.cyDest = r.height;
    BITMAPINFOHEADER info;
    info.biWidth = r.width;
    info.biHeight = -r.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const std::size_t pixels = std::size_t(r.width) * std::size_t(r.height) * 4;
    record.offBmiSrc = sizeof record;
    record.cbBmiSrc = sizeof info;
    record.offBitsSrc = record.offBmiSrc + record.cbBmiSrc;
    record.cbBitsSrc = DWORD(pixels);
    record.iUsageSrc = DIB_RGB_COLORS;
    record.dwRop = SRCCOPY;
    record.emr.nSize = DWORD(record.offBitsSrc + pixels);
    std::string out;
    Append(out, record);
    Append(out, info);
    out.append(static_cast<const char*>(r.bits), pixels);
    return out;
}

std::string Bytes(const MetafileRecording& r) {
    std::vector<std::string> body{RasterRecord(r)};
    body.insert(body.end(), r.textRecords.begin(), r.textRecords.end());
    EMR end{EMR_EOF, 20};
    std::string eof;
    Append(eof, end);
    Append(eof, DWORD(0));  // no palette entries
    Append(eof, DWORD(16));
    Append(eof, DWORD(20));
    body.push_back(eof);

    ENHMETAHEADER header;
    header.rclBounds = RECTL{0, 0, r.width - 1, r.height - 1};
    header.rclFrame = r.frame;
    header.nDescription = DWORD(r.description.size());
    header.offDescription = r.description.empty() ? 0 : DWORD(sizeof header);
    header.szlDevice = SIZEL{r.width, r.height};
    header.szlMillimeters = SIZEL{r.width * 254 / 960, r.height * 254 / 960};
    std::string description(reinterpret_cast<const char*>(r.description.data()), r.description.size() * 2);
    PadToDword(description);
    header.nSize = DWORD(sizeof header + description.size());
    header.nRecords = DWORD(body.size() + 1);
    std::size_t total = header.nSize;
    for (const std::string& record : body) total += record.size();
    header.nBytes = DWORD(total);
    std::string out;
    Append(out, header);
    out += description;
    for (const std::string& record : body) out += record;
    return out;
}

}  // namespace

void RecordText(MetafileRecording& recording, const RECT& bounds, POINT reference, UINT options, const RECT* rect,
                std::string_view text, const std::vector<int>& advances) {
    const WideString wide = AnsiToWide(text);
    // One advance per UTF-16 unit: a character's whole advance on its first unit.
    std::vector<DWORD> dx(wide.size(), 0);
    for (std::size_t unit = 0, glyph = 0; unit < wide.size() && glyph < advances.size(); ++glyph) {
        dx[unit] = DWORD(advances[glyph]);
        unit += (wide[unit] >= 0xD800 && wide[unit] < 0xDC00) ? 2 : 1;
    }
    EMREXTTEXTOUTW record;
    record.emr.iType = EMR_EXTTEXTOUTW;
    record.rclBounds = RECTL{bounds.left, bounds.top, bounds.right, bounds.bottom};
    record.emrtext.ptlReference = POINTL{reference.x, reference.y};
    record.emrtext.nChars = DWORD(wide.size());
    record.emrtext.fOptions = options;
    if (rect) record.emrtext.rcl = RECTL{rect->left, rect->top, rect->right, rect->bottom};
    std::string string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    PadToDword(string);
    record.emrtext.offString = sizeof record;
    record.emrtext.offDx = DWORD(sizeof record + string.size());
    record.emr.nSize = DWORD(record.emrtext.offDx + dx.size() * sizeof(DWORD));
    std::string out;
    Append(out, record);
    out += string;
    for (DWORD d : dx) Append(out, d);
    recording.textRecords.push_back(std::move(out));
}

std::size_t LiveMetafileCount() { return Metafiles().Count(); }

}  // namespace gdi

using namespace gdi;

HDC CreateEnhMetaFile(HDC reference, const char* fileName, const RECT* frame, const char* description) {
    if (fileName) return 0;
    auto recording = std::make_unique<MetafileRecording>();
    if (frame) {
        recording->frame = RECTL{frame->left, frame->top, frame->right, frame->bottom};
    } else {
        const int width = reference ? GetDeviceCaps(reference, HORZRES) : 1;
        const int height = reference ? GetDeviceCaps(reference, VERTRES) : 1;
        recording->frame = RECTL{0, 0, width * 2540 / 96, height * 2540 / 96};
    }
    recording->width = std::max<int>(1, int(std::lround((recording->frame.right - recording->frame.left) * 96 / 2540.0)));
    recording->height = std::max<int>(1, int(std::lround((recording->frame.bottom - recording->frame.top) * 96 / 2540.0)));
    if (description) {
        // The creator and the title, each ending in a zero, and one more zero.
        const char* title = description + std::strlen(description) + 1;
        recording->description = AnsiToWide(description) + u'\0' + AnsiToWide(title) + u'\0' + u'\0';
    }
    BITMAPINFO info{};
    info.bmiHeader.biWidth = recording->width;
    info.bmiHeader.biHeight = -recording->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    recording->raster = CreateDIBSection(0, &info, DIB_RGB_COLORS, &recording->bits, 0, 0);
    const HDC dc = CreateCompatibleDC(0);
    if (!recording->raster || !dc) {
        DeleteDC(dc);
        DeleteObject(recording->raster);
        return 0;
    }
    recording->oldBitmap = SelectObject(dc, recording->raster);
    PatBlt(dc, 0, 0, recording->width, recording->height, WHITENESS);
    FindDC(dc)->recording = recording.get();
    std::lock_guard lock(recordingsMutex);
    Recordings().push_back(std::move(recording));
    return dc;
}

HENHMETAFILE CloseEnhMetaFile(HDC dc) {
    DeviceContext* context = FindDC(dc);
    if (!context || !context->recording) return 0;
    std::unique_ptr<MetafileRecording> recording;
    {
        std::lock_guard lock(recordingsMutex);
        auto& all = Recordings();
        const auto at = std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.get() == context->recording; });
        recording = std::move(*at);
        all.erase(at);
    }
    context->recording = nullptr;
    GdiFlush();
    auto metafile = std::make_unique<Metafile>();
    metafile->bytes = Bytes(*recording);
    SelectObject(dc, recording->oldBitmap);
    DeleteDC(dc);
    DeleteObject(recording->raster);
    return Metafiles().Add(std::move(metafile));
}

BOOL DeleteEnhMetaFile(HENHMETAFILE metafile) { return Metafiles().Remove(metafile) != nullptr; }

BOOL EnumEnhMetaFile(HDC dc, HENHMETAFILE metafile, ENHMFENUMPROC proc, void* data, const RECT*) {
    const Metafile* found = Metafiles().Find(metafile);
    if (!found || !proc) return FALSE;
    const std::string& bytes = found->bytes;
    HANDLETABLE table;
    for (std::size_t offset = 0; offset + sizeof(EMR) <= bytes.size();) {
        const auto size = At<DWORD>(bytes, offset + 4);
        if (size < sizeof(EMR) || offset + size > bytes.size()) return FALSE;
        // Records start on DWORD boundaries in the string's own storage.
        const auto* record = reinterpret_cast<const ENHMETARECORD*>(bytes.data() + offset);
        if (!proc(dc, &table, record, 1, std::intptr_t(data))) return FALSE;
        offset += size;
    }
    return TRUE;
}

UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* buffer) {
    const Metafile* found = Metafiles().Find(metafile);
    if (!found) return 0;
    if (!buffer) return UINT(found->bytes.size());
    const UINT copied = std::min<UINT>(size, UINT(found->bytes.size()));
    std::memcpy(buffer, found->bytes.data(), copied);
    return copied;
}

HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data) {
    if (!data || size < sizeof(ENHMETAHEADER)) return 0;
    auto metafile = std::make_unique<Metafile>();
    metafile->bytes.assign(reinterpret_cast<const char*>(data), size);
    if (At<DWORD>(metafile->bytes, 0) != EMR_HEADER || At<DWORD>(metafile->bytes, 40) != ENHMETA_SIGNATURE) return 0;
    return Metafiles().Add(std::move(metafile));
}

UINT GetEnhMetaFileHeader(HENHMETAFILE metafile, UINT size, ENHMETAHEADER* header) {
    const Metafile* found = Metafiles().Find(metafile);
    if (!found) return 0;
    if (!header) return sizeof(ENHMETAHEADER);
    const UINT copied = std::min<UINT>(size, sizeof(ENHMETAHEADER));
    std::memcpy(static_cast<void*>(header), found->bytes.data(), copied);
    return copied;
}

BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE metafile, const RECT* rect) {
    const Metafile* found = Metafiles().Find(metafile);
    if (!found || !rect) return FALSE;
    const std::string& bytes = found->bytes;
    for (std::size_t offset = 0; offset + sizeof(EMR) <= bytes.size();) {
        const auto size = At<DWORD>(bytes, offset + 4);
        if (size < sizeof(EMR) || offset + size > bytes.size()) return FALSE;
        if (At<DWORD>(bytes, offset) == EMR_STRETCHDIBITS) {
            const auto record = At<EMRSTRETCHDIBITS>(bytes, offset);
            BITMAPINFO info{};
            std::memcpy(&info.bmiHeader, bytes.data() + offset + record.offBmiSrc, sizeof info.bmiHeader);
            StretchDIBits(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, record.xSrc,
                          record.ySrc, record.cxSrc, record.cySrc, bytes.data() + offset + record.offBitsSrc, &info,
                          DIB_RGB_COLORS, SRCCOPY);
        }
        offset += size;
    }
    return TRUE;
}
