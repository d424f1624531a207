// The printer back end in use.
#include "platform/print/printerbackend.h"

#include <mutex>

namespace {

struct Backend {
    std::mutex mutex;
    std::unique_ptr<PrinterBackend> current;
};

Backend& TheBackend() {
    static Backend backend;
    return backend;
}

}  // namespace

const PrinterBackend& CurrentPrinterBackend() {
    Backend& backend = TheBackend();
    std::lock_guard lock(backend.mutex);
    if (!backend.current) backend.current = CreateSystemPrinterBackend();
    return *backend.current;
}

void SetPrinterBackend(std::unique_ptr<PrinterBackend> backend) {
    Backend& b = TheBackend();
    std::lock_guard lock(b.mutex);
    b.current = std::move(backend);
}

std::optional<PrinterDescription> FindPrinter(const AnsiString& name) {
    for (PrinterDescription& printer : CurrentPrinterBackend().Printers())
        if (printer.Name == name) return std::move(printer);
    return std::nullopt;
}
