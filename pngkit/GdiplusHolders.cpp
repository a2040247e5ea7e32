#include "pngkit/GdiplusHolders.h"

#include "pngkit/KitRules.h"
#include "winutil/ScopedHandles.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

namespace tessellon::kit {

void FontFamilyHolder::Release() {
    if (handle_) GdipDeleteFontFamily(std::exchange(handle_, nullptr));
}

GpStatus FontFamilyHolder::CreateFromName(std::wstring_view familyName) {
    const std::wstring name(familyName);  // GDI+ wants it NUL-terminated
    GpFontFamily* family = nullptr;
    const GpStatus status = GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family);
    SetHandle(status == Gdiplus::Ok ? family : nullptr);
    return status;
}

void FontFamilyHolder::SetHandle(GpFontFamily* family) {
    Release();
    handle_ = family;
}

void FontHolder::Release() {
    if (handle_) GdipDeleteFont(std::exchange(handle_, nullptr));
}

GpStatus FontHolder::CreateFromFamilyName(std::wstring_view familyName, float emSize, int style, int unit) {
    FontFamilyHolder family;
    family.CreateFromName(familyName);
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFont(family.Handle(), emSize, style, static_cast<Gdiplus::Unit>(unit), &font);
    SetHandle(status == Gdiplus::Ok ? font : nullptr);
    return status;
}

GpStatus FontHolder::CreateFromDc(HDC dc) {
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFontFromDC(dc, &font);
    SetHandle(status == Gdiplus::Ok ? font : nullptr);
    return status;
}

GpFont* FontHolder::CreateFromWindow(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return CreateFromHfont(font);
}

GpFont* FontHolder::CreateFromHfont(HFONT font) {
    if (!font) return nullptr;
    LOGFONTW logFont{};
    if (GetObjectW(font, sizeof(logFont), &logFont) == 0) {
        SetHandle(nullptr);
        return nullptr;
    }
    const int style = FontStyleFromLogFont(logFont.lfWeight, logFont.lfItalic, logFont.lfUnderline,
                                           logFont.lfStrikeOut);
    const std::wstring_view faceName(logFont.lfFaceName, wcsnlen(logFont.lfFaceName, LF_FACESIZE));
    FontFamilyHolder family;
    family.CreateFromName(faceName);
    const float size = static_cast<float>(std::abs(logFont.lfHeight));
    GpFont* created = nullptr;
    if (GdipCreateFont(family.Handle(), size, style, Gdiplus::UnitPixel, &created) != Gdiplus::Ok) created = nullptr;
    SetHandle(created);
    return handle_;
}

void FontHolder::SetHandle(GpFont* font) {
    Release();
    handle_ = font;
}

GpStatus FontHolder::GetStyle(int& style) const {
    INT value = 0;
    const GpStatus status = GdipGetFontStyle(handle_, &value);
    style = value;
    return status;
}

GpStatus FontHolder::GetSize(float& size) const { return GdipGetFontSize(handle_, &size); }

GpStatus FontHolder::GetUnit(int& unit) const {
    Gdiplus::Unit value = Gdiplus::UnitWorld;
    const GpStatus status = GdipGetFontUnit(handle_, &value);
    unit = static_cast<int>(value);
    return status;
}

GpStatus FontHolder::GetHeight(GpGraphics* graphics, float& height) const {
    return GdipGetFontHeight(handle_, graphics, &height);
}

void StringFormatHolder::Release() {
    if (handle_) GdipDeleteStringFormat(std::exchange(handle_, nullptr));
}

void StringFormatHolder::Create(int formatFlags, LANGID language) {
    GpStringFormat* format = nullptr;
    if (GdipCreateStringFormat(formatFlags, language, &format) != Gdiplus::Ok) format = nullptr;
    SetHandle(format);
}

void StringFormatHolder::SetAlignment(int alignment) {
    GdipSetStringFormatAlign(handle_, static_cast<Gdiplus::StringAlignment>(alignment));
}

void StringFormatHolder::SetLineAlignment(int alignment) {
    GdipSetStringFormatLineAlign(handle_, static_cast<Gdiplus::StringAlignment>(alignment));
}

void StringFormatHolder::SetAlignments(int alignment, int lineAlignment) {
    SetAlignment(alignment);
    SetLineAlignment(lineAlignment);
}

void StringFormatHolder::SetHandle(GpStringFormat* format) {
    Release();
    handle_ = format;
}

StreamHolder::StreamHolder(StreamHolder&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}

StreamHolder& StreamHolder::operator=(StreamHolder&& other) noexcept {
    if (this != &other) {
        Release();
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

void StreamHolder::Release() {
    if (stream_) std::exchange(stream_, nullptr)->Release();
    if (memory_) GlobalFree(std::exchange(memory_, nullptr));
}

IStream* StreamHolder::Create(std::span<const std::byte> bytes, bool withData) {
    Release();
    if (withData) {
        // GMEM_FIXED: the handle is the address, so the copy goes straight in.
        memory_ = GlobalAlloc(GMEM_FIXED, bytes.size());
        if (!memory_) return nullptr;
        if (!bytes.empty()) std::memcpy(static_cast<void*>(memory_), bytes.data(), bytes.size());
        if (FAILED(CreateStreamOnHGlobal(memory_, FALSE, &stream_))) stream_ = nullptr;
    } else {
        HGLOBAL growable = GlobalAlloc(GMEM_MOVEABLE, 0);
        if (!growable) return nullptr;
        if (FAILED(CreateStreamOnHGlobal(growable, TRUE, &stream_))) {
            stream_ = nullptr;
            GlobalFree(growable);
        }
    }
    return stream_;
}

HGLOBAL StreamHolder::Memory() const {
    if (memory_) return memory_;
    HGLOBAL streamMemory = nullptr;
    if (stream_ && SUCCEEDED(GetHGlobalFromStream(stream_, &streamMemory))) return streamMemory;
    return nullptr;
}

std::size_t StreamHolder::Size() const {
    HGLOBAL memory = Memory();
    return memory ? GlobalSize(memory) : 0;
}

std::vector<std::byte> StreamHolder::ReadAll() const {
    HGLOBAL memory = Memory();
    if (!memory) return {};
    std::vector<std::byte> bytes(GlobalSize(memory));
    ScopedGlobalLock lock(memory);
    if (lock.Data() && !bytes.empty()) std::memcpy(bytes.data(), lock.Data(), bytes.size());
    return bytes;
}

}  // namespace tessellon::kit
