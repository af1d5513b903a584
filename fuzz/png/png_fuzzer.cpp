// libFuzzer target: arbitrary bytes through open, decode and the
// conversion with every known pixel format code of the image.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "images/png/png_internal.h"

// Images whose buffers would be large make slow runs without finding more.
static const uint64_t maxBytes = 1u << 24;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > UINT32_MAX) return 0;
    PngInfo info;
    PngReset(&info);
    if (!PngOpenMemory(&info, data, (uint32_t)size)) return 0;
    if (PngRawSize(&info) > maxBytes) {
        PngRelease(&info);
        return 0;
    }
    if (PngDecodeImage(&info)) {
        size_t count;
        const PngFormat* formats = PngFormatList(&count);
        for (size_t i = 0; i < count; ++i) {
            uint32_t stride = PngOutputStride(&info, formats[i].code);
            if (stride == 0 || (uint64_t)stride * info.height > maxBytes) continue;
            // Exactly the size the code needs, so ASan sees any overrun.
            uint8_t* dest = (uint8_t*)std::malloc((size_t)stride * info.height);
            PngConvertRows(&info, dest, formats[i].code);
            std::free(dest);
        }
        PngBitmapInfo bitmap;
        uint32_t code;
        if (PngPrepareBitmap(&info, PNG_FORMAT_DEFAULT, &bitmap, &code)) {
            uint32_t stride = PngBitmapStride(&bitmap.header);
            if (stride != PngOutputStride(&info, code)) std::abort();
        }
    }
    PngRelease(&info);
    return 0;
}
