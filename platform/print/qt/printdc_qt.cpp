// Printer device contexts and print jobs: each page is drawn into a page
// bitmap of the printable area through a printer surface DC, and handed to
// Qt (a QPrinter, or a QPdfWriter for the PDF printer) when it ends, placed
// at the printable area's offset on the paper. The page bitmap is made again
// for a new paper, so paper and orientation may change between the pages of
// one job; copies, colour and duplex go to the job as the device settings
// of its start ask.
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/print/printerbackend.h"
#include "platform/print/winspool.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/filedialogs.h"
#include "platform/gdi/surfacedc.h"
#include "platform/gdi/wingdi.h"

namespace {

constexpr int kMaxRasterDpi = 300;

struct PaperSize {
    double widthMm = 210, heightMm = 297;  // as the page is printed (oriented)
};

// The printable area on the oriented paper, millimetres from each edge.
struct PaperMargins {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct Job {
    std::unique_ptr<QPagedPaintDevice> device;
    QPainter painter;
    bool begun = false;
};

struct PrinterDC {
    PrinterDescription printer;
    DEVMODEA settings;
    PaperSize paper;
    PaperMargins margins;
    int dpi = kMaxRasterDpi;
    HBITMAP page = 0;
    std::shared_ptr<Job> job;
    // The lines of text drawn on the page so far.
    std::shared_ptr<std::vector<SurfaceText>> texts = std::make_shared<std::vector<SurfaceText>>();
};

struct PrinterDCs {
    // Recursive: deleting a DC under the lock (ResetDC) forgets its context
    // through the DC's own deletion.
    std::recursive_mutex mutex;
    std::map<HDC, PrinterDC> contexts;
};

// Never destroyed: printer DCs held by static objects are deleted at exit,
// after the statics made later than these contexts are gone.
PrinterDCs& Contexts() {
    static auto* contexts = new PrinterDCs;
    return *contexts;
}

// The printer DC behind `dc`.
PrinterDC* Find(HDC dc) {
    PrinterDCs& all = Contexts();
    const auto found = all.contexts.find(dc);
    return found == all.contexts.end() ? nullptr : &found->second;
}

// Frees a deleted printer DC's context and its page bitmap, which would
// otherwise outlive the DC (tens of megabytes at printer resolution).
void ForgetContext(HDC dc) {
    std::lock_guard lock(Contexts().mutex);
    const auto found = Contexts().contexts.find(dc);
    if (found == Contexts().contexts.end()) return;
    DeleteObject(found->second.page);
    Contexts().contexts.erase(found);
}

PaperSize PaperOf(const PrinterDescription& printer, const DEVMODEA& mode) {
    PaperSize size;
    const auto paper = std::find_if(printer.Papers.begin(), printer.Papers.end(),
                                    [&](const PrinterPaper& p) { return p.Code == mode.dmPaperSize; });
    if ((mode.dmFields & DM_PAPERWIDTH) && (mode.dmFields & DM_PAPERLENGTH) && mode.dmPaperWidth > 0 &&
        mode.dmPaperLength > 0) {
        size = {mode.dmPaperWidth / 10.0, mode.dmPaperLength / 10.0};
    } else if (paper != printer.Papers.end() && paper->Width > 0 && paper->Height > 0) {
        size = {paper->Width / 10.0, paper->Height / 10.0};
    } else if (const QPageSize known(QPageSize::id(mode.dmPaperSize)); known.isValid()) {
        const QSizeF mm = known.size(QPageSize::Millimeter);
        size = {mm.width(), mm.height()};
    }
    if (mode.dmOrientation == DMORIENT_LANDSCAPE) std::swap(size.widthMm, size.heightMm);
    return size;
}

// Landscape turns the paper a quarter counter-clockwise: its left edge
// becomes the bottom.
PaperMargins MarginsOf(const PrinterDescription& printer, const DEVMODEA& mode) {
    const RECT& m = printer.Margins;
    const PaperMargins portrait{m.left / 10.0, m.top / 10.0, m.right / 10.0, m.bottom / 10.0};
    if (mode.dmOrientation != DMORIENT_LANDSCAPE) return portrait;
    return {portrait.top, portrait.right, portrait.bottom, portrait.left};
}

int Pixels(double mm, int dpi) { return static_cast<int>(std::lround(mm / 25.4 * dpi)); }

// A 32-bit top-down picture of the size, as page bitmaps are kept.
BITMAPINFO PageBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return info;
}

// A page bitmap and its DC for the paper; records it and answers the DC.
HDC MakeContext(PrinterDC context) {
    const int dpi = context.dpi;
    const SIZE paper{Pixels(context.paper.widthMm, dpi), Pixels(context.paper.heightMm, dpi)};
    const PaperMargins& m = context.margins;
    const POINT offset{Pixels(m.left, dpi), Pixels(m.top, dpi)};
    const int width = std::max(1, paper.cx - offset.x - Pixels(m.right, dpi));
    const int height = std::max(1, paper.cy - offset.y - Pixels(m.bottom, dpi));
    BITMAPINFO info = PageBitmapInfo(width, height);
    void* bits = nullptr;
    context.page = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!context.page) return 0;
    SurfaceDCOptions options{};
    options.dpi = dpi;
    options.printer = true;
    options.physicalSize = paper;
    options.physicalOffset = offset;
    options.onText = [texts = context.texts](const SurfaceText& line) { texts->push_back(line); };
    // The DC's number is known only once made; its deletion looks it up.
    auto self = std::make_shared<HDC>(0);
    options.onDelete = [self] { ForgetContext(*self); };
    HDC dc = CreateSurfaceDC(context.page, options);
    if (!dc) {
        DeleteObject(context.page);
        return 0;
    }
    *self = dc;
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    Contexts().contexts[dc] = std::move(context);
    return dc;
}

HDC CreatePrinterContext(const char* device, const DEVMODEA* mode) {
    const std::optional<PrinterDescription> printer = device ? FindPrinter(device) : std::nullopt;
    if (!printer) return 0;
    DEVMODEA settings{};
    HANDLE handle = 0;
    OpenPrinter(device, &handle, nullptr);
    DocumentProperties(0, handle, device, &settings, mode, DM_OUT_BUFFER | (mode ? DM_IN_BUFFER : 0));
    ClosePrinter(handle);
    std::lock_guard lock(Contexts().mutex);
    const int dpi = std::min(printer->PixelsPerInch, kMaxRasterDpi);
    return MakeContext({*printer, settings, PaperOf(*printer, settings), MarginsOf(*printer, settings), dpi, 0, {}});
}

QPageLayout LayoutOf(const PaperSize& paper) {
    return QPageLayout(QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter), QPageLayout::Portrait,
                       QMarginsF());
}

// The output file of a PDF job: the one given, else the one the user picks.
QString PdfFileName(const DOCINFOA* info) {
    if (info && info->lpszOutput && *info->lpszOutput) return QString::fromStdString(AnsiToUtf8(info->lpszOutput));
    auto dialog = std::unique_ptr<TSaveDialog>(TSaveDialog::Create(nullptr));
    dialog->SetFilter("PDF (*.pdf)|*.pdf");
    dialog->SetDefaultExt("pdf");
    if (!dialog->Execute()) return {};
    return QString::fromStdString(AnsiToUtf8(dialog->FileName()));
}

QPrinter::DuplexMode DuplexOf(const DEVMODEA& mode) {
    if (!(mode.dmFields & DM_DUPLEX)) return QPrinter::DuplexNone;
    switch (mode.dmDuplex) {
    case DMDUP_VERTICAL: return QPrinter::DuplexLongSide;
    case DMDUP_HORIZONTAL: return QPrinter::DuplexShortSide;
    default: return QPrinter::DuplexNone;
    }
}

std::unique_ptr<QPagedPaintDevice> OutputDevice(const PrinterDescription& printer, const DEVMODEA& settings,
                                                const DOCINFOA* info) {
    const QString title = info && info->lpszDocName ? QString::fromStdString(AnsiToUtf8(info->lpszDocName)) : QString();
    if (printer.Name == "PDF") {
        const QString file = PdfFileName(info);
        if (file.isEmpty()) return nullptr;
        auto writer = std::make_unique<QPdfWriter>(file);
        writer->setTitle(title);
        writer->setResolution(kMaxRasterDpi);
        return writer;
    }
    auto qprinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qprinter->setPrinterName(QString::fromStdString(AnsiToUtf8(printer.Name)));
    qprinter->setDocName(title);
    qprinter->setFullPage(true);
    if ((settings.dmFields & DM_COPIES) && settings.dmCopies > 1) qprinter->setCopyCount(settings.dmCopies);
    const bool mono = (settings.dmFields & DM_COLOR) && settings.dmColor == DMCOLOR_MONOCHROME;
    qprinter->setColorMode(mono || !printer.Color ? QPrinter::GrayScale : QPrinter::Color);
    if (printer.Duplex) qprinter->setDuplex(DuplexOf(settings));
    if (info && info->lpszOutput && *info->lpszOutput)
        qprinter->setOutputFileName(QString::fromStdString(AnsiToUtf8(info->lpszOutput)));
    return qprinter;
}

// The page's lines of text, without ink, over its pixels: where the output
// keeps text (a PDF file) it can be searched and copied.
void DrawTextLayer(QPainter& painter, const std::vector<SurfaceText>& texts, POINT offset, double scale) {
    painter.save();
    painter.setPen(QColor(0, 0, 0, 0));
    for (const SurfaceText& line : texts) {
        QFont font(QString::fromStdString(AnsiToUtf8(line.face)));
        font.setPixelSize(std::max(1, int(std::lround(line.size.cy * scale))));
        font.setBold(line.bold);
        font.setItalic(line.italic);
        painter.setFont(font);
        const QRectF cell((offset.x + line.topLeft.x) * scale, (offset.y + line.topLeft.y) * scale,
                          line.size.cx * scale, line.size.cy * scale);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                         QString::fromStdString(AnsiToUtf8(line.text)));
    }
    painter.restore();
}

// The page bitmap's pixels, painted over the printable area.
void PrintPage(PrinterDC& context) {
    Job& job = *context.job;
    job.device->setPageLayout(LayoutOf(context.paper));
    if (!job.begun) {
        job.begun = job.painter.begin(job.device.get());
    } else {
        job.device->newPage();
    }
    if (!job.begun) return;
    BITMAP bitmap{};
    GetObject(context.page, sizeof bitmap, &bitmap);
    QImage image(bitmap.bmWidth, bitmap.bmHeight, QImage::Format_RGB32);
    BITMAPINFO info = PageBitmapInfo(bitmap.bmWidth, bitmap.bmHeight);
    HDC memory = CreateCompatibleDC(0);
    GetDIBits(memory, context.page, 0, static_cast<UINT>(bitmap.bmHeight), image.bits(), &info, DIB_RGB_COLORS);
    DeleteDC(memory);
    const double scale = double(job.device->logicalDpiX()) / context.dpi;
    const POINT offset{Pixels(context.margins.left, context.dpi), Pixels(context.margins.top, context.dpi)};
    job.painter.drawImage(QRectF(offset.x * scale, offset.y * scale, image.width() * scale, image.height() * scale), image);
    DrawTextLayer(job.painter, *context.texts, offset, scale);
    context.texts->clear();
}

}  // namespace

HDC CreateDC(const char* /*driver*/, const char* device, const char* /*port*/, const DEVMODEA* mode) {
    return CreatePrinterContext(device, mode);
}

HDC CreateIC(const char* driver, const char* device, const char* port, const DEVMODEA* mode) {
    return CreateDC(driver, device, port, mode);
}

HDC ResetDC(HDC dc, const DEVMODEA* mode) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || !mode) return 0;
    PrinterDC changed = *context;
    DEVMODEA settings{};
    HANDLE handle = 0;
    OpenPrinter(changed.printer.Name.c_str(), &handle, nullptr);
    DocumentProperties(0, handle, nullptr, &settings, mode, DM_OUT_BUFFER | DM_IN_BUFFER);
    ClosePrinter(handle);
    changed.settings = settings;
    changed.paper = PaperOf(changed.printer, settings);
    changed.margins = MarginsOf(changed.printer, settings);
    HDC reset = MakeContext(std::move(changed));
    if (!reset) return 0;
    DeleteDC(dc);
    return reset;
}

int StartDoc(HDC dc, const DOCINFOA* info) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || context->job) return SP_ERROR;
    auto job = std::make_shared<Job>();
    job->device = OutputDevice(context->printer, context->settings, info);
    if (!job->device) return SP_ERROR;
    context->job = std::move(job);
    return 1;
}

int StartPage(HDC dc) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || !context->job) return SP_ERROR;
    BITMAP bitmap{};
    GetObject(context->page, sizeof bitmap, &bitmap);
    PatBlt(dc, 0, 0, bitmap.bmWidth, bitmap.bmHeight, WHITENESS);
    return 1;
}

int EndPage(HDC dc) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || !context->job) return SP_ERROR;
    PrintPage(*context);
    return context->job->begun ? 1 : SP_ERROR;
}

int EndDoc(HDC dc) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || !context->job) return SP_ERROR;
    if (context->job->begun) context->job->painter.end();
    context->job.reset();
    return 1;
}

int AbortDoc(HDC dc) {
    std::lock_guard lock(Contexts().mutex);
    PrinterDC* context = Find(dc);
    if (!context || !context->job) return SP_ERROR;
    if (auto* printer = dynamic_cast<QPrinter*>(context->job->device.get())) printer->abort();
    if (context->job->begun) context->job->painter.end();
    context->job.reset();
    return 1;
}
