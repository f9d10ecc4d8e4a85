#include "platform/ImageDecoder.h"
#include "platform/KBatch.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/PngWriter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

std::vector<std::uint8_t> pattern(int width, int height)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        const std::size_t p = i / 4;
        rgba[i] = static_cast<std::uint8_t>(p * 7);
        rgba[i + 1] = static_cast<std::uint8_t>(p / 3);
        rgba[i + 2] = static_cast<std::uint8_t>((p % width) * 2);
        rgba[i + 3] = static_cast<std::uint8_t>(p % 5 == 0 ? 128 : 255);
    }
    return rgba;
}

std::vector<std::uint8_t> jpegOf(int width, int height)
{
    const std::vector<std::uint8_t> rgba = pattern(width, height);
    std::vector<std::uint8_t> rgb;
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        rgb.insert(rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb.data() + cinfo.next_scanline * width * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> tgaOf(int width, int height)
{
    const std::vector<std::uint8_t> rgba = pattern(width, height);
    std::vector<std::uint8_t> out = {0,
                                     0,
                                     2,
                                     0,
                                     0,
                                     0,
                                     0,
                                     0,
                                     0,
                                     0,
                                     0,
                                     0,
                                     static_cast<std::uint8_t>(width),
                                     static_cast<std::uint8_t>(width >> 8),
                                     static_cast<std::uint8_t>(height),
                                     static_cast<std::uint8_t>(height >> 8),
                                     32,
                                     0x28};
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        out.insert(out.end(), {rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]});
    return out;
}

void decodeBench(benchmark::State& state, const std::vector<std::uint8_t>& file,
                 DecodedImage (*decode)(const std::uint8_t*, std::size_t))
{
    for (auto _ : state) {
        DecodedImage image = decode(file.data(), file.size());
        benchmark::DoNotOptimize(image.rgba.data());
    }
    const int side = static_cast<int>(state.range(0));
    state.SetItemsProcessed(state.iterations() * side * side);
    state.counters["file_bytes"] = static_cast<double>(file.size());
}

void BM_DecodePng(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    decodeBench(state, encodePng(side, side, pattern(side, side)), decodePng);
}
BENCHMARK(BM_DecodePng)->Arg(64)->Arg(512);

void BM_DecodeJpeg(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    decodeBench(state, jpegOf(side, side), decodeJpeg);
}
BENCHMARK(BM_DecodeJpeg)->Arg(64)->Arg(512);

void BM_DecodeTga(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    decodeBench(state, tgaOf(side, side), decodeTga);
}
BENCHMARK(BM_DecodeTga)->Arg(64)->Arg(512);

// One headless window on the software renderer for all drawing benchmarks.
KWindow& window()
{
    static std::unique_ptr<KWindow> w = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        auto created = createWindow(0, true);
        created->openWindow(800, 600, 32, true, "bench");
        created->setFrameRateCap(-1);
        return created;
    }();
    return *w;
}

std::unique_ptr<KGraphic> imageOfSide(int side)
{
    window();
    const auto rgba = pattern(side, side);
    auto image = createGraphic();
    image->loadFromPixels(rgba.data(), side, side);
    return image;
}

// Blits per second: each iteration draws a frame of 200 blits and presents it, so SDL's command
// queue is flushed as in the game.
constexpr int kBlitsPerFrame = 200;

void BM_BlitBlended(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    auto image = imageOfSide(side);
    int i = 0;
    for (auto _ : state) {
        window().setViewTransform(0, 0, 0, 1, true);
        for (int b = 0; b < kBlitsPerFrame; ++b, ++i)
            image->blendImageRect(0, 0, static_cast<float>(side), static_cast<float>(side),
                                  static_cast<float>((i * 37) % (800 - side)),
                                  static_cast<float>((i * 53) % (600 - side)));
        window().presentFrame(false, false);
    }
    state.SetItemsProcessed(state.iterations() * kBlitsPerFrame);
}
BENCHMARK(BM_BlitBlended)->Arg(32)->Arg(128);

void BM_BlitTransformed(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    auto image = imageOfSide(side);
    int i = 0;
    for (auto _ : state) {
        window().setViewTransform(0, 0, 0, 1, true);
        for (int b = 0; b < kBlitsPerFrame; ++b, ++i)
            image->blendImageRectEx(0, 0, static_cast<float>(side), static_cast<float>(side),
                                    static_cast<float>((i * 37) % 600), static_cast<float>((i * 53) % 400),
                                    static_cast<float>(i % 360), 1.25f, 0.8f);
        window().presentFrame(false, false);
    }
    state.SetItemsProcessed(state.iterations() * kBlitsPerFrame);
}
BENCHMARK(BM_BlitTransformed)->Arg(32)->Arg(128);

void BM_BlitZoomed(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    auto image = imageOfSide(side);
    int i = 0;
    for (auto _ : state) {
        window().setViewTransform(0, 0, 0, 1, true);
        for (int b = 0; b < kBlitsPerFrame; ++b, ++i)
            image->blendImageRectEx(0, 0, static_cast<float>(side), static_cast<float>(side),
                                    static_cast<float>((i * 37) % 600), static_cast<float>((i * 53) % 400), 0,
                                    1.25f, 0.8f);
        window().presentFrame(false, false);
    }
    state.SetItemsProcessed(state.iterations() * kBlitsPerFrame);
}
BENCHMARK(BM_BlitZoomed)->Arg(32)->Arg(128);

void BM_Batch500Quads(benchmark::State& state)
{
    auto image = imageOfSide(16);
    auto batch = createBatch();
    batch->reserveQuads(500);
    for (auto _ : state) {
        window().setViewTransform(0, 0, 0, 1, true);
        batch->startQuads(image.get());
        for (int q = 0; q < 500; ++q)
            batch->addImageQuadEx(0, 0, 16, 16, static_cast<float>((q * 37) % 780),
                                  static_cast<float>((q * 53) % 580), static_cast<float>(q), 1.0f, 0.7f);
        batch->flushQuads();
        window().presentFrame(false, false);
    }
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_Batch500Quads);

void BM_FullScreenPictureAndPresent(benchmark::State& state)
{
    auto image = imageOfSide(512);
    for (auto _ : state) {
        window().setViewTransform(0, 0, 0, 1, true);
        image->putImageRect(0, 0, 512, 512, 0, 0);
        image->blendImageRect(0, 0, 512, 512, 288, 88);
        window().presentFrame(false, false);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullScreenPictureAndPresent);

} // namespace
