// Numbered images: bitmaps loaded from memory, created, resized and copied.
#include <windows.h>

#include <utility>

#include "platform/bitmap_decode.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/object_table.h"
#include "platform/scoped_resources.h"

namespace {

struct Image {
  ScopedGdiObject<HBITMAP> bitmap;
};

ObjectTable<Image> gImages;

// A device context with the bitmap selected: the open drawing's own when it draws on this bitmap (a bitmap
// can be selected into one context only), else a private memory context.
class BitmapContext {
public:
  explicit BitmapContext(HBITMAP bitmap)
      : own_(DrawingContextOf(bitmap) ? nullptr : CreateCompatibleDC(nullptr)), selection_(own_.get(), bitmap),
        dc_(own_ ? (selection_ ? own_.get() : nullptr) : DrawingContextOf(bitmap)) {}
  HDC get() const { return dc_; }

private:
  ScopedMemoryDc own_;
  ScopedSelection selection_;
  HDC dc_;
};

void ImageFree(int number) {
  Image* image = gImages.Find(number);
  if (!image) return;
  DrawingRelease(image->bitmap.get());
  gImages.Remove(number);
}

// A creating call that is refused leaves its number empty, as one that succeeds replaces what was there.
HBITMAP Refuse(int number) {
  ImageFree(number);
  return nullptr;
}

// Puts the bitmap under the number, replacing what was there; the caller's result for a creating call.
HBITMAP ImageStore(int number, ScopedGdiObject<HBITMAP> bitmap) {
  if (!bitmap) return nullptr;
  ImageFree(number);
  int assigned = number;
  Image* image = gImages.Add(number, &assigned);
  if (!image) return nullptr;
  image->bitmap = std::move(bitmap);
  if (number == kFreshNumber) return reinterpret_cast<HBITMAP>(static_cast<intptr_t>(assigned));
  return image->bitmap.get();
}

HBITMAP CreateBitmap32(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as the converted pixels come
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP CreateDisplayBitmap(int width, int height) {
  const ScopedWindowDc screen(nullptr);
  return screen ? CreateCompatibleBitmap(screen.get(), width, height) : nullptr;
}

// A new bitmap of the given size in the format of the model: 32-bit for the images loaded from memory,
// the display's format for the others.
HBITMAP CreateLike(HBITMAP model, int width, int height) {
  DIBSECTION section;
  if (GetObjectA(model, sizeof section, &section) == static_cast<int>(sizeof section)) {
    void* bits;
    return CreateBitmap32(width, height, &bits);
  }
  return CreateDisplayBitmap(width, height);
}

bool SizeOf(HBITMAP bitmap, int* width, int* height) {
  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) == 0) return false;
  *width = info.bmWidth;
  *height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return true;
}

}  // namespace

HBITMAP ImageLoadFromMemory(int number, const void* address, uint32_t size) {
  BitmapPicture picture;
  if (number < kFreshNumber || !BitmapExamine(address, size, &picture)) return Refuse(number);
  ImageFree(number);
  void* bits = nullptr;
  ScopedGdiObject<HBITMAP> bitmap(CreateBitmap32(picture.width, picture.height, &bits));
  if (!bitmap) return nullptr;
  BitmapToPixels32(picture, static_cast<uint32_t*>(bits));
  return ImageStore(number, std::move(bitmap));
}

HBITMAP ImageCreate(int number, int width, int height) {
  if (number < kFreshNumber || width <= 0 || height <= 0) return Refuse(number);
  ImageFree(number);
  ScopedGdiObject<HBITMAP> bitmap(CreateDisplayBitmap(width, height));
  if (!bitmap) return nullptr;
  {
    const BitmapContext context(bitmap.get());
    if (!context.get() || !PatBlt(context.get(), 0, 0, width, height, BLACKNESS)) return nullptr;
  }
  return ImageStore(number, std::move(bitmap));
}

int ImageResize(int number, int width, int height) {
  Image* image = gImages.Find(number);
  int oldWidth, oldHeight;
  if (!image || width <= 0 || height <= 0 || !SizeOf(image->bitmap.get(), &oldWidth, &oldHeight)) return 0;
  if (oldWidth == width && oldHeight == height) return 1;
  ScopedGdiObject<HBITMAP> resized(CreateLike(image->bitmap.get(), width, height));
  if (!resized) return 0;
  {
    const BitmapContext from(image->bitmap.get());
    const BitmapContext to(resized.get());
    if (!from.get() || !to.get()) return 0;
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    if (!StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, oldWidth, oldHeight, SRCCOPY)) return 0;
  }
  DrawingRelease(image->bitmap.get());
  image->bitmap = std::move(resized);
  return 1;
}

HBITMAP ImageCopy(int number, int newNumber) {
  Image* image = gImages.Find(number);
  int width, height;
  if (!image || newNumber < kFreshNumber || !SizeOf(image->bitmap.get(), &width, &height)) return Refuse(newNumber);
  ScopedGdiObject<HBITMAP> copy(CreateLike(image->bitmap.get(), width, height));
  if (!copy) return Refuse(newNumber);
  {
    const BitmapContext from(image->bitmap.get());
    const BitmapContext to(copy.get());
    if (!from.get() || !to.get() || !BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY))
      return Refuse(newNumber);
  }
  // Made before the target number is freed, so that copying an image onto its own number keeps it.
  return ImageStore(newNumber, std::move(copy));
}

int ImageExists(int number) { return gImages.Find(number) != nullptr; }

HBITMAP ImageHandle(int number) {
  const Image* image = gImages.Find(number);
  return image ? image->bitmap.get() : nullptr;
}

void ImageFreeAll() {
  while (gImages.Count() > 0) ImageFree(gImages.NumberAt(0));
}

intptr_t ImageDrawTarget(int number) { return reinterpret_cast<intptr_t>(ImageHandle(number)); }

bool ImageHolds(HBITMAP bitmap) {
  for (int i = 0; i < gImages.Count(); ++i)
    if (gImages.ObjectAt(i)->bitmap.get() == bitmap) return true;
  return false;
}
