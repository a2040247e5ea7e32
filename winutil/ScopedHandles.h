#pragma once
// One tiny owner per kind of Win32 handle. Each releases its handle in the destructor, cannot be
// copied, and can be moved, so no handle leaks on any path out of a function.
#include <windows.h>
#include <utility>

namespace tessellon {

// Shared shape of every holder: a handle value, a "none" value and the call that releases it.
template <typename Handle, typename Traits>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : handle_(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    Handle Release() { return std::exchange(handle_, Traits::None()); }
    void Reset(Handle h = Traits::None()) {
        Handle old = std::exchange(handle_, h);
        if (old != Traits::None()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::None();
};

struct GdiObjectTraits {
    static HGDIOBJ None() { return nullptr; }
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static HDC None() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

using ScopedGdiObject = ScopedHandle<HGDIOBJ, GdiObjectTraits>;
using ScopedMemoryDc = ScopedHandle<HDC, MemoryDcTraits>;

// A device context obtained with GetDC/GetWindowDC, given back with ReleaseDC.
class ScopedWindowDc {
public:
    ScopedWindowDc(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {}
    ~ScopedWindowDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelectObject() { if (previous_) SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Keeps a global memory block locked for the scope.
class ScopedGlobalLock {
public:
    explicit ScopedGlobalLock(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~ScopedGlobalLock() { if (data_) GlobalUnlock(memory_); }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// Holds one reference of a COM interface.
template <typename Interface>
class ScopedComPtr {
public:
    ScopedComPtr() = default;
    explicit ScopedComPtr(Interface* p) : p_(p) {}
    ~ScopedComPtr() { Reset(); }
    ScopedComPtr(const ScopedComPtr&) = delete;
    ScopedComPtr& operator=(const ScopedComPtr&) = delete;
    ScopedComPtr(ScopedComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ScopedComPtr& operator=(ScopedComPtr&& other) noexcept {
        if (this != &other) { Reset(); p_ = std::exchange(other.p_, nullptr); }
        return *this;
    }
    Interface* Get() const { return p_; }
    Interface** Receive() { Reset(); return &p_; }
    void Reset() { if (p_) std::exchange(p_, nullptr)->Release(); }

private:
    Interface* p_ = nullptr;
};

}  // namespace tessellon
