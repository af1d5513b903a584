// Decoding speed of morvi's PNG decoder against libpng, both from memory to
// a top-down BGR layout, row conversion included. The
// test images are written with libpng at start-up from a deterministic
// photo-like pattern: smooth gradients plus noise, so they compress like
// photographs. After the runs, the ratio ours / libpng of each image.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "images/png/png_decoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Image {
    std::string name;
    uint32_t width, height;
    int bitDepth;
    bool interlaced;
    Bytes file;
};

// Three smooth waves per channel, a slow ramp and uniform noise of the
// given amplitude (peak to peak, in 8-bit steps).
Bytes PhotoPixels(uint32_t width, uint32_t height, int bitDepth, double noiseAmplitude) {
    uint32_t state = 12345;
    auto noise = [&state]() {
        state = state * 1664525u + 1013904223u;
        return (double)(state >> 8) / (double)(1u << 24) - 0.5;
    };
    double scale = bitDepth == 16 ? 257.0 : 1.0;
    Bytes out;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                double v = 110 + 50 * std::sin(x / (41.0 + 9 * c) + y / 67.0) + 35 * std::cos(y / (29.0 + 5 * c) - x / 97.0)
                           + 30.0 * x / width + noiseAmplitude * noise();
                v = v < 0 ? 0 : v > 255 ? 255 : v;
                uint32_t sample = (uint32_t)(v * scale);
                if (bitDepth == 16) {
                    sample ^= (uint32_t)(noise() * 64) & 0xFF;  // a noisy low byte, as from a sensor
                    out.push_back((uint8_t)(sample >> 8));
                }
                out.push_back((uint8_t)sample);
            }
        }
    }
    return out;
}

// A drawing: flat colours in overlapping discs and bars on a plain
// background, as in a cartoon or a diagram; long matches at short
// distances.
Bytes DrawingPixels(uint32_t width, uint32_t height) {
    static const uint8_t palette[6][3] = {{250, 248, 240}, {200, 40, 40}, {30, 90, 200}, {240, 200, 30}, {40, 160, 80}, {20, 20, 20}};
    Bytes out;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            int colour = 0;
            for (int k = 0; k < 12; ++k) {
                int cx = (int)((k * 97 + 31) % width), cy = (int)((k * 61 + 17) % height), r = 25 + k * 7;
                int dx = (int)x - cx, dy = (int)y - cy;
                if (dx * dx + dy * dy < r * r) colour = 1 + k % 4;
            }
            if ((x / 8) % 16 == 3 || (y + x / 4) % 64 < 3) colour = 5;
            out.insert(out.end(), palette[colour], palette[colour] + 3);
        }
    }
    return out;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t size) {
    Bytes* out = (Bytes*)png_get_io_ptr(png);
    out->insert(out->end(), data, data + size);
}

void FlushNothing(png_structp) {}

// An RGB image of a photo-like pattern with the given noise, or of a
// drawing when noiseAmplitude is negative.
Image MakeImage(const std::string& name, uint32_t width, uint32_t height, int bitDepth, bool interlaced,
                double noiseAmplitude = 12) {
    Image image = {name, width, height, bitDepth, interlaced, {}};
    Bytes pixels = noiseAmplitude < 0 ? DrawingPixels(width, height) : PhotoPixels(width, height, bitDepth, noiseAmplitude);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &image.file, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, width, height, bitDepth, PNG_COLOR_TYPE_RGB,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    size_t rowBytes = (size_t)width * 3 * (bitDepth / 8);
    std::vector<png_bytep> rows;
    for (uint32_t y = 0; y < height; ++y) rows.push_back(pixels.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return image;
}

// Ours: open, decode, convert in the default format, release.
void DecodeOurs(benchmark::State& state, const Image* image) {
    Bytes dest((size_t)((image->width * 3 + 3) & ~3u) * image->height);
    for (auto _ : state) {
        PngInfo info;
        PngReset(&info);
        PngBitmapInfo bitmap;
        uint32_t code;
        if (!PngOpenMemory(&info, image->file.data(), (uint32_t)image->file.size()) || !PngDecodeImage(&info)
            || !PngPrepareBitmap(&info, PNG_FORMAT_DEFAULT, &bitmap, &code) || !PngConvertRows(&info, dest.data(), code)) {
            state.SkipWithError("decode failed");
            break;
        }
        PngRelease(&info);
        benchmark::DoNotOptimize(dest.data());
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)dest.size());
}

struct MemoryInput {
    const Bytes* file;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
    MemoryInput* in = (MemoryInput*)png_get_io_ptr(png);
    if (size > in->file->size() - in->at) png_error(png, "read past the end");
    std::memcpy(out, in->file->data() + in->at, size);
    in->at += size;
}

// libpng: the same file to B, G, R rows (16-bit cut to the high byte),
// with its default CRC and Adler-32 checks. Only plain locals live in the
// frame that calls setjmp.
bool LibpngRead(const Image* image, png_bytep* rows) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    MemoryInput in = {&image->file, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &in, ReadFromMemory);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void DecodeLibpng(benchmark::State& state, const Image* image) {
    size_t stride = (size_t)((image->width * 3 + 3) & ~3u);
    Bytes dest(stride * image->height);
    std::vector<png_bytep> rows;
    for (uint32_t y = 0; y < image->height; ++y) rows.push_back(dest.data() + y * stride);
    for (auto _ : state) {
        if (!LibpngRead(image, rows.data())) {
            state.SkipWithError("libpng failed");
            break;
        }
        benchmark::DoNotOptimize(dest.data());
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)dest.size());
}

// Console output as usual, and each run's time per iteration kept by name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    static std::vector<Image> images;
    images.push_back(MakeImage("photo_1024x768_rgb8", 1024, 768, 8, false));
    images.push_back(MakeImage("picture_260x260_rgb8", 260, 260, 8, false));
    images.push_back(MakeImage("interlaced_640x480_rgb8", 640, 480, 8, true));
    images.push_back(MakeImage("photo_640x480_rgb16", 640, 480, 16, false));
    // The noise above leaves the compressor almost nothing but literals; with
    // milder noise, as in a cleaner photograph, matches are frequent.
    images.push_back(MakeImage("mild_1024x768_rgb8", 1024, 768, 8, false, 3));
    images.push_back(MakeImage("drawing_520x520_rgb8", 520, 520, 8, false, -1));
    for (const Image& image : images) {
        std::printf("%-26s %8zu bytes\n", image.name.c_str(), image.file.size());
        benchmark::RegisterBenchmark(("ours/" + image.name).c_str(), DecodeOurs, &image)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("libpng/" + image.name).c_str(), DecodeLibpng, &image)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratio ours / libpng (lower is faster)\n");
    for (const Image& image : images) {
        auto ours = reporter.times.find("ours/" + image.name), theirs = reporter.times.find("libpng/" + image.name);
        if (ours != reporter.times.end() && theirs != reporter.times.end()) {
            std::printf("%-26s %.2f\n", image.name.c_str(), ours->second / theirs->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
