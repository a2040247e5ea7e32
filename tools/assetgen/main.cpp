// Writes Tessellon's generated art: the splash animation frames and the program icon.
// Usage: assetgen <repository root>
#include "ico_writer.hpp"
#include "icon_art.hpp"
#include "perlin_noise.hpp"
#include "png_writer.hpp"
#include "splash_frame.hpp"
#include "splash_timeline.hpp"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kSmokeSeed = 0x7E55E110Bu;

std::string frameFileName(int frameNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "frame%02d.png", frameNumber);
    return name;
}

void writeSplashFrames(const fs::path& directory)
{
    fs::create_directories(directory);
    const PerlinNoise noise(kSmokeSeed);

    // Frames are independent and seeded by number, so the thread count never changes the output.
    std::atomic<int> nextFrame{1};
    std::atomic<bool> failed{false};
    auto worker = [&] {
        for (int frame = nextFrame++; frame <= kSplashFrameCount && !failed; frame = nextFrame++) {
            try {
                writePng((directory / frameFileName(frame)).string(), renderSplashFrame(frame, noise));
            } catch (const std::exception& e) {
                std::fprintf(stderr, "frame %d: %s\n", frame, e.what());
                failed = true;
            }
        }
    };
    const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < threadCount; ++i)
        threads.emplace_back(worker);
    threads.clear();
    if (failed)
        throw std::runtime_error("could not write all splash frames");
}

void writeIcon(const fs::path& directory)
{
    fs::create_directories(directory);
    std::vector<RgbaImage> images;
    for (int size : {16, 32, 48})
        images.push_back(renderIcon(size));
    writeIco((directory / "tessellon.ico").string(), images);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    try {
        const fs::path root = argv[1];
        writeSplashFrames(root / "assets" / "frames");
        writeIcon(root / "assets" / "icon");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
