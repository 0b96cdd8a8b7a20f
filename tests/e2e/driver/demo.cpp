#include "tests/e2e/driver/demo.h"

#include <cstdio>
#include <exception>
#include <thread>

#include "tests/e2e/driver/captions.h"
#include "tests/e2e/driver/check.h"

namespace veltrano::e2e {
namespace {

// Owns a device context taken with GetDC.
class ScreenContext {
 public:
  ScreenContext() : context_(GetDC(nullptr)) { check(context_ != nullptr, "no screen"); }
  ~ScreenContext() { ReleaseDC(nullptr, context_); }
  ScreenContext(const ScreenContext&) = delete;
  ScreenContext& operator=(const ScreenContext&) = delete;
  HDC get() const { return context_; }

 private:
  HDC context_;
};

class MemoryContext {
 public:
  explicit MemoryContext(HDC like) : context_(CreateCompatibleDC(like)) {
    check(context_ != nullptr, "no memory device context");
  }
  ~MemoryContext() { DeleteDC(context_); }
  MemoryContext(const MemoryContext&) = delete;
  MemoryContext& operator=(const MemoryContext&) = delete;
  HDC get() const { return context_; }

 private:
  HDC context_;
};

class UniqueBitmap {
 public:
  explicit UniqueBitmap(HBITMAP bitmap) : bitmap_(bitmap) {
    check(bitmap_ != nullptr, "no bitmap");
  }
  ~UniqueBitmap() { DeleteObject(bitmap_); }
  UniqueBitmap(const UniqueBitmap&) = delete;
  UniqueBitmap& operator=(const UniqueBitmap&) = delete;
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

// Copies a screen rectangle into a 24-bit bottom-up BMP file.
void save_screen_rectangle(const RECT& area, const std::string& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  check(width > 0 && height > 0, "the window has no area");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const DWORD row_bytes = (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3};
  const DWORD pixel_bytes = row_bytes * static_cast<DWORD>(height);

  ScreenContext screen;
  MemoryContext memory(screen.get());
  void* pixels = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  const BOOL copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                             SRCCOPY | CAPTUREBLT);
  GdiFlush();
  SelectObject(memory.get(), previous);
  check(copied, "cannot copy the screen");

  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + pixel_bytes;
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  check(file.get() != INVALID_HANDLE_VALUE, "cannot write " + path);
  DWORD written = 0;
  const bool saved =
      WriteFile(file.get(), &header, sizeof header, &written, nullptr) &&
      WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
      WriteFile(file.get(), pixels, pixel_bytes, &written, nullptr) && written == pixel_bytes;
  check(saved, "cannot write " + path);
}

}  // namespace

DialogWindow Stage::main_dialog() const {
  return wait_for_dialog(program_, kMainCaption);
}

void Stage::capture(const DialogWindow& dialog, std::string_view picture) {
  // Let the dialog finish painting what the last input changed.
  std::this_thread::sleep_for(milliseconds(400));
  RECT area;
  check(GetWindowRect(dialog.handle(), &area), "the dialog has no place on the screen");
  const std::string path = out_dir_ + "\\" + std::string(picture) + ".bmp";
  save_screen_rectangle(area, path);
  pictures_.emplace_back(picture);
}

std::vector<Scene>& registered_scenes() {
  static std::vector<Scene> scenes;
  return scenes;
}

int run_demo(const std::string& exe, const std::string& sample_folder, const std::string& out_dir) {
  try {
    Program program(exe, sample_folder);
    Stage stage(program, exe, out_dir);
    for (const auto& scene : registered_scenes()) {
      const auto before = stage.pictures().size();
      scene.show(stage);
      for (auto i = before; i < stage.pictures().size(); ++i) {
        std::printf("%s: %s.bmp\n", scene.name, stage.pictures()[i].c_str());
      }
      std::fflush(stdout);
    }
    stage.main_dialog().press_escape();
    check(program.expect_exit() == 0, "the program ended with a non-zero status");
  } catch (const std::exception& error) {
    std::printf("demo failed: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace veltrano::e2e
