#include "platform/win32/program_icons.h"

#include "platform/win32/win32_trace.h"
#include "resources/resource_ids.h"

namespace veltrano {
namespace {

HICON load_icon(HINSTANCE instance, int width_metric, int height_metric) {
  const HANDLE icon =
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELTRANO), IMAGE_ICON,
                 GetSystemMetrics(width_metric), GetSystemMetrics(height_metric), LR_DEFAULTCOLOR);
  if (icon == nullptr) {
    trace_failure("LoadImageW");
  }
  return static_cast<HICON>(icon);
}

}  // namespace

ProgramIcons::ProgramIcons(HINSTANCE instance)
    : small_(load_icon(instance, SM_CXSMICON, SM_CYSMICON)),
      large_(load_icon(instance, SM_CXICON, SM_CYICON)) {}

}  // namespace veltrano
