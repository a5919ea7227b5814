#include "stress/cwh.h"

#include <string_view>

namespace {
// A text sub-window is three quarters of a top-level window, truncated.
std::int32_t three_quarters(std::int32_t pixels) {
  return static_cast<std::int32_t>(static_cast<float>(pixels) * 0.75f);
}
}  // namespace

extern "C" {

std::int32_t CWH_getStackSize() {
  return 33554432;  // 32 MiB
}
std::int32_t CWH_getMdiMode() {
  return 0;
}
std::int32_t CWH_getShowMaximized() {
  return 0;
}
std::int32_t CWH_promptSaveOnExit() {
  return 1;
}
std::int32_t CWH_getMainWindowWidth() {
  return 340;
}
std::int32_t CWH_getMainWindowHeight() {
  return 700;
}
std::int32_t CWH_getMdiTextWindowWidth() {
  return three_quarters(CWH_getMainWindowWidth());
}
std::int32_t CWH_getMdiTextWindowHeight() {
  return three_quarters(CWH_getMainWindowHeight());
}
std::int32_t CWH_defaultFontSize() {
  return 10;
}
void CWH_defaultFontFamily(char* buf, std::int32_t len) {
  constexpr std::string_view family = "Monaco";
  for (std::int32_t i = 0; i < len; ++i) {
    buf[i] = static_cast<std::size_t>(i) < family.size() ? family[static_cast<std::size_t>(i)] : ' ';
  }
}
std::int32_t CWH_autoSave() {
  return 0;
}
std::int32_t CWH_closeOnProgramFinish() {
  return 1;
}
std::int32_t CWH_showDefaultOutputWindow() {
  return 1;
}
}
