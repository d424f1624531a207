// Skin package decoding beside zlib: the skin's art and description
// repeated into a 5 MB block, packed once by our LZHUF encoder and once by
// zlib at level 6, then each decoded back and timed in the same run. The
// goal: LZHUF decoding within 3 times zlib's inflate on this payload.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

#include "skin/LZH.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tools/skinpack/SkinArt.h"

namespace {

constexpr std::size_t kPayloadBytes = 5 * 1024 * 1024;
constexpr int kRuns = 5;

std::vector<Byte> SkinPayload() {
    std::ifstream input(SERVIORA_SKIN_DESCRIPTION, std::ios::binary);
    const AnsiString description{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    std::vector<TSkinMember> members = PaintSkinArt();
    members.push_back({"serviora.ini", std::vector<Byte>(description.begin(), description.end())});
    const std::vector<Byte> block = TSkinBlock::FromMembers(70000, members).Bytes();
    std::vector<Byte> payload;
    while (payload.size() < kPayloadBytes) payload.insert(payload.end(), block.begin(), block.end());
    payload.resize(kPayloadBytes);
    return payload;
}

// The fastest of a few runs, in milliseconds.
double BestMilliseconds(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// Decodes into `out`, already of the unpacked size, as inflate does below.
void LZHDecode(const std::vector<Byte>& package, std::vector<Byte>& out) {
    Integer size = 0;
    std::memcpy(&size, package.data(), sizeof size);
    std::size_t position = sizeof size, produced = 0;
    TLZH decoder;
    decoder.Unpack(
        size,
        [&](const void* buffer, Integer count, Integer& written) {
            std::memcpy(out.data() + produced, buffer, count);
            produced += count;
            written = count;
        },
        [&](void* buffer, Integer count, Integer& got) {
            got = static_cast<Integer>(std::min<std::size_t>(count, package.size() - position));
            std::memcpy(buffer, package.data() + position, got);
            position += got;
        });
}

}  // namespace

int main() {
    const std::vector<Byte> payload = SkinPayload();
    const std::vector<Byte> lzh = TLZHEncoder().Pack(payload);
    uLongf zlibSize = compressBound(payload.size());
    std::vector<Byte> zlib(zlibSize);
    compress2(zlib.data(), &zlibSize, payload.data(), payload.size(), 6);
    zlib.resize(zlibSize);

    std::vector<Byte> lzhOut(payload.size()), zlibOut(payload.size());
    const double lzhMs = BestMilliseconds([&] { LZHDecode(lzh, lzhOut); });
    const double zlibMs = BestMilliseconds([&] {
        uLongf size = zlibOut.size();
        uncompress(zlibOut.data(), &size, zlib.data(), zlib.size());
    });
    if (lzhOut != payload || zlibOut != payload) {
        std::printf("decoded bytes differ from the payload\n");
        return 1;
    }
    const double ratio = lzhMs / zlibMs;
    std::printf("payload %zu bytes; LZHUF %zu bytes, zlib %zu bytes\n", payload.size(), lzh.size(), zlib.size());
    std::printf("decode: LZHUF %.2f ms, zlib inflate %.2f ms, ratio %.2f (goal at most 3.00): %s\n", lzhMs, zlibMs,
                ratio, ratio <= 3.0 ? "met" : "missed");
    return 0;
}
