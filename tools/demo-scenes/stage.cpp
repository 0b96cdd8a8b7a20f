#include "tools/demo-scenes/stage.h"

#include <cstdio>
#include <exception>
#include <thread>

namespace veltrano::demo {

using e2e::check;
namespace {

int release_screen(HDC screen) {
  return ReleaseDC(nullptr, screen);
}

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

  const Owned<HDC, release_screen> screen(GetDC(nullptr));
  check(static_cast<bool>(screen), "no screen");
  const Owned<HDC, DeleteDC> memory(CreateCompatibleDC(screen.get()));
  check(static_cast<bool>(memory), "no memory device context");
  void* pixels = nullptr;
  const Owned<HBITMAP, DeleteObject> bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  check(static_cast<bool>(bitmap), "no bitmap");
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
  e2e::UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  check(static_cast<bool>(file), "cannot write " + path);
  DWORD written = 0;
  const bool saved =
      WriteFile(file.get(), &header, sizeof header, &written, nullptr) &&
      WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
      WriteFile(file.get(), pixels, pixel_bytes, &written, nullptr) && written == pixel_bytes;
  check(saved, "cannot write " + path);
}

}  // namespace

void Stage::capture(const e2e::Window& window, std::string_view picture) {
  // Let the dialog finish painting what the last input changed.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  RECT area;
  check(GetWindowRect(window.handle(), &area), "the window has no place on the screen");
  const std::string path = out_dir_ + "\\" + std::string(picture) + ".bmp";
  save_screen_rectangle(area, path);
  std::printf("%s.bmp\n", std::string(picture).c_str());
  std::fflush(stdout);
}

int run_demo(const std::string& exe, const std::string& sample_folder, const std::string& out_dir,
             const std::vector<Scene>& scenes) {
  const Scene* playing = nullptr;
  try {
    e2e::Program program(exe, e2e::widen(sample_folder));
    Stage stage(program, exe, out_dir);
    for (const Scene& scene : scenes) {
      playing = &scene;
      scene.play(stage);
    }
    playing = nullptr;
    e2e::quit(program);
  } catch (const std::exception& error) {
    std::printf("demo failed%s%s: %s\n", playing ? " in " : "", playing ? playing->name : "",
                error.what());
    return 1;
  }
  return 0;
}

}  // namespace veltrano::demo
