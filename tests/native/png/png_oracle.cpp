#include "png_oracle.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {
struct MemoryInput {
    const Bytes* file;
    size_t at;
};
}  // namespace

static void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
    MemoryInput* in = (MemoryInput*)png_get_io_ptr(png);
    if (size > in->file->size() - in->at) png_error(png, "read past the end");
    std::memcpy(out, in->file->data() + in->at, size);
    in->at += size;
}

static void Quiet(png_structp, png_const_charp) {}

static void Fail(png_structp png, png_const_charp) { longjmp(png_jmpbuf(png), 1); }

bool LibpngDecodeBgr(const Bytes& file, Bytes* pixels, int* channels, uint32_t* width, uint32_t* height) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png_create_info_struct(png);
    MemoryInput in = {&file, 0};
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &in, ReadFromMemory);
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#ifdef PNG_IGNORE_ADLER32
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    static const png_byte ignored[] = "tRNS\0bKGD\0gAMA\0sBIT\0";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, ignored, 4);
    png_read_info(png, info);
    int colorType = png_get_color_type(png, info);
    png_set_palette_to_rgb(png);
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    *width = png_get_image_width(png, info);
    *height = png_get_image_height(png, info);
    *channels = png_get_channels(png, info);
    size_t rowBytes = png_get_rowbytes(png, info);
    pixels->assign(rowBytes * *height, 0);
    for (uint32_t y = 0; y < *height; ++y) rows.push_back(pixels->data() + y * rowBytes);
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}
