// Prepared-page compression beside zlib's one-call routines: the object
// streams of a 1,000-page report (80 text objects a page) compressed with
// CompressStream at qmzcFastest against compress2 at level 1, and inflated
// with DecompressStream against uncompress, on the same bytes in the same
// run. Goals: compressing within 1.2 times, inflating within 2.5 times.
#include <zlib.h>

#include <memory>
#include <string>
#include <vector>

#include "report/core/qm_memoview.h"
#include "report/core/qm_utils.h"
#include "report/core/qm_zlibex.h"
#include "side_by_side.h"

namespace {

constexpr int kPages = 1000;
constexpr int kObjectsPerPage = 80;

// The prepared records of one page's text objects.
std::string PageObjects(int page) {
    std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
    memo->InPreparedPage = true;
    TStringStream out("");
    for (int i = 0; i < kObjectsPerPage; ++i) {
        memo->SetName("Memo" + std::to_string(i + 1));
        memo->SetspBounds(10 + i % 4 * 180, 10 + i / 4 * 50, 170, 40);
        memo->Memo1->SetText("顾客 " + std::to_string(page * kObjectsPerPage + i) + " 手机维修 " +
                             std::to_string(page % 97 * 13.75));
        WriteByte(&out, 0);
        memo->SaveToStream(&out);
    }
    return out.DataString();
}

const std::vector<std::string>& RawPages() {
    static const std::vector<std::string> pages = [] {
        std::vector<std::string> made;
        for (int p = 0; p < kPages; ++p) made.push_back(PageObjects(p));
        return made;
    }();
    return pages;
}

// A page's stream as the prepared pages hold it.
std::unique_ptr<TMemoryStream> PageStream(const std::string& bytes) {
    std::unique_ptr<TMemoryStream> stream(TMemoryStream::Create());
    stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    return stream;
}

Int64 OurCompression(TMemoryStream* page) {
    TMemoryStream out;
    CompressStream(page, &out, zcFastest);
    return out.Size();
}

std::string ZlibCompression(const std::string& raw) {
    uLongf size = compressBound(raw.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 1);
    out.resize(size);
    return out;
}

void Compress(benchmark::State& state) {
    const auto& pages = RawPages();
    std::vector<std::unique_ptr<TMemoryStream>> streams;
    for (const std::string& page : pages) streams.push_back(PageStream(page));
    std::size_t ours = 0, theirs = 0;
    TimeSideBySide(
        state,
        [&] {
            ours = 0;
            for (const auto& page : streams) ours += static_cast<std::size_t>(OurCompression(page.get()));
        },
        [&] {
            theirs = 0;
            for (const std::string& page : pages) theirs += ZlibCompression(page).size();
        });
    std::size_t raw = 0;
    for (const std::string& page : pages) raw += page.size();
    state.counters["raw_bytes"] = double(raw);
    state.counters["platform_bytes"] = double(ours);
    state.counters["reference_bytes"] = double(theirs);
}

void Decompress(benchmark::State& state) {
    std::vector<std::string> packed;
    std::vector<std::unique_ptr<TMemoryStream>> streams;
    for (const std::string& page : RawPages()) {
        packed.push_back(ZlibCompression(page));
        streams.push_back(PageStream(packed.back()));
    }
    TimeSideBySide(
        state,
        [&] {
            for (const auto& page : streams) {
                TMemoryStream out;
                DecompressStream(page.get(), &out);
            }
        },
        [&] {
            std::string out;
            for (std::size_t i = 0; i < packed.size(); ++i) {
                uLongf size = RawPages()[i].size();
                out.resize(size);
                uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                           reinterpret_cast<const Bytef*>(packed[i].data()), packed[i].size());
            }
        });
}

}  // namespace

BENCHMARK(Compress)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Decompress)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
