#pragma once
// Scoped Windows resources: each owner closes what it holds when it goes out of scope, on every path.
// Owners are move-only; Release() hands the value on without closing it.
#include <windows.h>
#include <objbase.h>

#include <utility>

#include "platform/memory.h"

// A value and the way to close it. Closer has static bool Holds(Value) (whether there is anything to close)
// and static void Close(Value).
template <typename Value, typename Closer>
class Scoped {
public:
  Scoped() = default;
  explicit Scoped(Value value) : value_(value) {}
  ~Scoped() { Reset(); }
  Scoped(Scoped&& other) noexcept : value_(other.Release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  Value get() const { return value_; }
  explicit operator bool() const { return Closer::Holds(value_); }
  // For calls that return the value through an out parameter; closes what was held before.
  Value* Receive() {
    Reset();
    return &value_;
  }
  Value Release() { return std::exchange(value_, Value{}); }
  void Reset(Value value = Value{}) {
    if (Closer::Holds(value_)) Closer::Close(value_);
    value_ = value;
  }

private:
  Value value_{};
};

namespace scoped_closers {

struct Handle {
  // Some calls report failure as null, others as INVALID_HANDLE_VALUE: neither is closed.
  static bool Holds(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

template <typename Object>
struct GdiObject {
  static bool Holds(Object object) { return object != nullptr; }
  static void Close(Object object) { DeleteObject(object); }
};

struct MemoryDc {
  static bool Holds(HDC dc) { return dc != nullptr; }
  static void Close(HDC dc) { DeleteDC(dc); }
};

struct Key {
  static bool Holds(HKEY key) { return key != nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};

struct HeapBlock {
  static bool Holds(void* block) { return block != nullptr; }
  static void Close(void* block) { HeapFree(GetProcessHeap(), 0, block); }
};

struct Library {
  static bool Holds(HMODULE library) { return library != nullptr; }
  static void Close(HMODULE library) { FreeLibrary(library); }
};

struct ProgramMemory {
  static bool Holds(void* block) { return block != nullptr; }
  static void Close(void* block) { MemoryFree(block); }
};

// An initialised attribute list is deleted before the memory that holds it is freed.
struct AttributeList {
  static bool Holds(LPPROC_THREAD_ATTRIBUTE_LIST list) { return list != nullptr; }
  static void Close(LPPROC_THREAD_ATTRIBUTE_LIST list) { DeleteProcThreadAttributeList(list); }
};

}  // namespace scoped_closers

using ScopedHandle = Scoped<HANDLE, scoped_closers::Handle>;
template <typename Object = HGDIOBJ>
using ScopedGdiObject = Scoped<Object, scoped_closers::GdiObject<Object>>;
// A context from CreateCompatibleDC (or CreateDC).
using ScopedMemoryDc = Scoped<HDC, scoped_closers::MemoryDc>;
using ScopedKey = Scoped<HKEY, scoped_closers::Key>;
// A block from HeapAlloc on the process heap.
using ScopedHeapBlock = Scoped<void*, scoped_closers::HeapBlock>;
using ScopedLibrary = Scoped<HMODULE, scoped_closers::Library>;
// A block of the program's own heap (MemoryAllocate).
using ScopedProgramMemory = Scoped<void*, scoped_closers::ProgramMemory>;
using ScopedAttributeList = Scoped<LPPROC_THREAD_ATTRIBUTE_LIST, scoped_closers::AttributeList>;

// A window's device context from GetDC (null window: the screen), given back with ReleaseDC.
class ScopedWindowDc {
public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(ScopedWindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  ScopedWindowDc& operator=(ScopedWindowDc&&) = delete;
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context; the one it replaced is selected again at the end.
class ScopedSelection {
public:
  ScopedSelection() = default;
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelection() { Restore(); }
  ScopedSelection(ScopedSelection&& other) noexcept
      : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
  ScopedSelection& operator=(ScopedSelection&& other) noexcept {
    if (this != &other) {
      Restore();
      dc_ = other.dc_;
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

  // Whether the object was selected.
  explicit operator bool() const { return previous_ && previous_ != HGDI_ERROR; }

private:
  void Restore() {
    if (*this) SelectObject(dc_, previous_);
    previous_ = nullptr;
  }

  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// COM for this thread, started on demand: CoUninitialize only follows a CoInitialize that succeeded (S_OK or
// S_FALSE).
class ScopedCom {
public:
  ScopedCom() = default;
  ~ScopedCom() { End(); }
  ScopedCom(const ScopedCom&) = delete;
  ScopedCom& operator=(const ScopedCom&) = delete;

  // True when COM is usable on this thread.
  bool Start() {
    if (!started_) started_ = SUCCEEDED(CoInitialize(nullptr));
    return started_;
  }
  void End() {
    if (started_) CoUninitialize();
    started_ = false;
  }

private:
  bool started_ = false;
};
