// Writes Tessellon's generated assets: the splash animation frames, the program icon,
// the picture buttons' pictures and their click sound.
// Usage: assetgen <repository root>
#include "button_art.hpp"
#include "click_sound.hpp"
#include "gif_check.hpp"
#include "gif_writer.hpp"
#include "ico_writer.hpp"
#include "icon_art.hpp"
#include "perlin_noise.hpp"
#include "png_writer.hpp"
#include "splash_frame.hpp"
#include "splash_timeline.hpp"
#include "wav_check.hpp"
#include "wav_writer.hpp"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
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

// Magenta: no picture uses it, and the buttons key out the top-left pixel's colour.
constexpr PaletteColour kTransparentKey{255, 0, 255};
constexpr int kButtonPictureSize = 32;

void writeButtonPictures(const fs::path& directory)
{
    fs::create_directories(directory);
    const std::pair<const char*, PixelMap> pictures[] = {
        {"help.gif", helpButtonArt()},
        {"contact.gif", contactButtonArt()},
        {"clear.gif", clearButtonArt()},
        {"calculate.gif", calculateButtonArt()},
    };
    for (const auto& [fileName, art] : pictures) {
        const IndexedPicture picture = indexPixelMap(art, kTransparentKey);
        if (picture.width != kButtonPictureSize || picture.height != kButtonPictureSize)
            throw std::runtime_error(std::string(fileName) + " is not drawn 32 x 32");
        const std::string path = (directory / fileName).string();
        writeGif(path, picture);
        checkButtonGif(path, picture);
    }
}

void writeClickSound(const fs::path& directory)
{
    fs::create_directories(directory);
    const std::string path = (directory / "click.wav").string();
    writeWav(path, synthesiseClickSound());
    // 1,287 frames of 16-bit stereo: 5,148 bytes of samples behind the 44-byte header.
    checkCanonicalWav(path, {kClickChannels, kClickSampleRate, 16, 5148});
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
        writeButtonPictures(root / "assets" / "buttons");
        writeClickSound(root / "assets" / "sounds");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
