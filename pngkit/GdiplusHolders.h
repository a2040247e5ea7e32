#pragma once
// Small holders, each owning exactly one GDI+ object or one block of global memory. Creating again
// on a holder deletes what it held first; Release may be called any number of times.
#include "pngkit/GdiplusFlat.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace tessellon::kit {

class FontFamilyHolder {
public:
    FontFamilyHolder() = default;
    ~FontFamilyHolder() { Release(); }
    FontFamilyHolder(const FontFamilyHolder&) = delete;
    FontFamilyHolder& operator=(const FontFamilyHolder&) = delete;

    void Release();
    // Looks the family up among the installed fonts.
    GpStatus CreateFromName(std::wstring_view familyName);
    GpFontFamily* Handle() const { return handle_; }
    void SetHandle(GpFontFamily* family);

private:
    GpFontFamily* handle_ = nullptr;
};

class FontHolder {
public:
    FontHolder() = default;
    ~FontHolder() { Release(); }
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;

    void Release();
    GpStatus CreateFromFamilyName(std::wstring_view familyName, float emSize, int style, int unit);
    GpStatus CreateFromDc(HDC dc);
    // The window's own font (WM_GETFONT); leaves the holder as it was when the window has none.
    GpFont* CreateFromWindow(HWND window);
    GpFont* CreateFromHfont(HFONT font);
    GpFont* Handle() const { return handle_; }
    void SetHandle(GpFont* font);
    GpStatus GetStyle(int& style) const;
    GpStatus GetSize(float& size) const;
    GpStatus GetUnit(int& unit) const;
    GpStatus GetHeight(GpGraphics* graphics, float& height) const;

private:
    GpFont* handle_ = nullptr;
};

class StringFormatHolder {
public:
    StringFormatHolder() = default;
    ~StringFormatHolder() { Release(); }
    StringFormatHolder(const StringFormatHolder&) = delete;
    StringFormatHolder& operator=(const StringFormatHolder&) = delete;

    void Release();
    void Create(int formatFlags = 0, LANGID language = 0);
    void SetAlignment(int alignment);
    void SetLineAlignment(int alignment);
    void SetAlignments(int alignment, int lineAlignment);
    void SetHandle(GpStringFormat* format);
    GpStringFormat* Handle() const { return handle_; }

private:
    GpStringFormat* handle_ = nullptr;
};

// A stream over global memory. With data, the holder owns a fixed block holding a copy of the
// bytes and the stream reads from it; without data, the stream is empty, growable and owns its
// own block. Either way the holder also holds the stream's reference, released first.
class StreamHolder {
public:
    StreamHolder() = default;
    ~StreamHolder() { Release(); }
    StreamHolder(const StreamHolder&) = delete;
    StreamHolder& operator=(const StreamHolder&) = delete;
    StreamHolder(StreamHolder&& other) noexcept;
    StreamHolder& operator=(StreamHolder&& other) noexcept;

    void Release();
    IStream* Create(std::span<const std::byte> bytes, bool withData);
    IStream* Stream() const { return stream_; }
    std::size_t Size() const;
    std::vector<std::byte> ReadAll() const;

private:
    HGLOBAL Memory() const;

    HGLOBAL memory_ = nullptr;  // owned only when the holder made it with data
    IStream* stream_ = nullptr;
};

}  // namespace tessellon::kit
