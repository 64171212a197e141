// Scoped owners for the handles the adapter would otherwise pair by hand:
// device contexts, objects selected into them, GDI objects, global memory
// and its locks, printer and kernel handles. Each gives its handle back the
// one right way when it leaves scope, on every path out. Move-only; nothing
// here throws.
//
// Order matters with GDI: an object must not be deleted while a DC still
// has it selected, so declare a GdiObject before the SelectedObject that
// selects it (locals are destroyed in reverse).
#pragma once

#include <utility>

#include "win32/windows_api.h"

namespace mirelo::win32 {

// One handle, closed by Closer unless null or released.
template <typename Handle, typename Closer>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ~ScopedHandle() { Reset(); }
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle on (to a dialog, the clipboard, a caller) unclosed.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) Closer{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct GlobalMemoryFreer {
  void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct PrinterCloser {
  void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// A DC made with CreateDC or CreateCompatibleDC (memory and printer DCs).
using OwnedDc = ScopedHandle<HDC, DcDeleter>;
// A pen, brush, font or bitmap.
template <typename Object>
using GdiObject = ScopedHandle<Object, GdiObjectDeleter>;
// Memory from GlobalAlloc; Release() when the system takes it over.
using GlobalMemory = ScopedHandle<HGLOBAL, GlobalMemoryFreer>;
// A printer from OpenPrinter.
using PrinterHandle = ScopedHandle<HANDLE, PrinterCloser>;
// A mutex, event, file or other kernel object; not for INVALID_HANDLE_VALUE.
using KernelHandle = ScopedHandle<HANDLE, KernelHandleCloser>;

// A window's DC (the screen's for a null window) from GetDC, given back with
// ReleaseDC to the same window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&&) = delete;
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC; the DC's earlier object comes back on scope
// exit, so the DC can be released or deleted without holding this one.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)),
        previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&&) = delete;
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Global memory locked for the guard's life: Get() is null when the lock
// failed (a null or discarded handle).
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory)
      : memory_(memory), bytes_(memory ? GlobalLock(memory) : nullptr) {}
  ~GlobalLockGuard() {
    if (bytes_) GlobalUnlock(memory_);
  }
  GlobalLockGuard(GlobalLockGuard&& other) noexcept
      : memory_(other.memory_), bytes_(std::exchange(other.bytes_, nullptr)) {}
  GlobalLockGuard& operator=(GlobalLockGuard&&) = delete;
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

  void* Get() const { return bytes_; }
  template <typename T>
  T* As() const {
    return static_cast<T*>(bytes_);
  }
  explicit operator bool() const { return bytes_ != nullptr; }

 private:
  HGLOBAL memory_;
  void* bytes_;
};

}  // namespace mirelo::win32
