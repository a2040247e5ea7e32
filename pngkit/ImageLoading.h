#pragma once
#include "pngkit/GdiplusHolders.h"

#include <cstddef>
#include <memory>
#include <span>

namespace tessellon::kit {

// A decoded image together with the memory and stream it was decoded from. GDI+ may go on reading
// the stream for as long as the image exists, so the three live and die together: the image is
// disposed first, then the stream and its memory.
class LoadedImage {
public:
    LoadedImage(StreamHolder&& source, GpImage* image);
    ~LoadedImage();
    LoadedImage(const LoadedImage&) = delete;
    LoadedImage& operator=(const LoadedImage&) = delete;

    GpImage* Image() const { return image_; }

    // How many loaded images exist right now in this process.
    static int LiveCount();

private:
    StreamHolder source_;
    GpImage* image_;
};

// Decodes a picture (PNG or any format GDI+ reads) from bytes and selects frame 0 of the time
// dimension, so an animated picture shows its first frame. nullptr when nothing decodes.
std::unique_ptr<LoadedImage> LoadImageFromBytes(std::span<const std::byte> bytes);

}  // namespace tessellon::kit
