#include "assets/Assets.h"

#include "assets/AssetIds.h"

#include <windows.h>

namespace tessellon::assets {
namespace {

// Resource data stays mapped for the life of the process, so the span never dangles.
std::span<const std::byte> ResourceBytes(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::byte*>(data), SizeofResource(module, resource)};
}

}  // namespace

std::span<const std::byte> SplashFrame(int number) {
    if (number < 1 || number > kSplashFrameCount) return {};
    return ResourceBytes(TESSELLON_FRAME_RESOURCE_BASE + number);
}

std::span<const std::byte> ButtonPictureBytes(ButtonPicture picture) {
    switch (picture) {
        case ButtonPicture::Help: return ResourceBytes(TESSELLON_PICTURE_HELP);
        case ButtonPicture::Contact: return ResourceBytes(TESSELLON_PICTURE_CONTACT);
        case ButtonPicture::Clear: return ResourceBytes(TESSELLON_PICTURE_CLEAR);
        case ButtonPicture::Calculate: return ResourceBytes(TESSELLON_PICTURE_CALCULATE);
    }
    return {};
}

int ClickSoundResource() { return TESSELLON_CLICK_SOUND; }

}  // namespace tessellon::assets
