#include "pngkit/ImageLoading.h"

#include "pngkit/KitInit.h"

#include <atomic>
#include <utility>

namespace tessellon::kit {
namespace {
std::atomic<int> liveImages{0};
}

LoadedImage::LoadedImage(StreamHolder&& source, GpImage* image)
    : source_(std::move(source)), image_(image) {
    ++liveImages;
}

LoadedImage::~LoadedImage() {
    if (image_) GdipDisposeImage(image_);
    --liveImages;
    // source_ releases the stream and then its memory, after the image is gone.
}

int LoadedImage::LiveCount() { return liveImages.load(); }

std::unique_ptr<LoadedImage> LoadImageFromBytes(std::span<const std::byte> bytes) {
    StreamHolder source;
    IStream* stream = source.Create(bytes, true);
    if (!stream) return nullptr;
    GpImage* image = nullptr;
    if (GdipLoadImageFromStream(stream, &image) != Gdiplus::Ok || !image) return nullptr;
    if (const GUID* dimension = FrameDimensionTime()) GdipImageSelectActiveFrame(image, dimension, 0);
    return std::make_unique<LoadedImage>(std::move(source), image);
}

}  // namespace tessellon::kit
