// Preferences of a windowed console host. Here the program runs at a plain
// terminal and nothing asks; a host that would run it finds these by name.
#pragma once

#include <cstdint>

extern "C" {
std::int32_t CWH_getStackSize();
std::int32_t CWH_getMdiMode();
std::int32_t CWH_getShowMaximized();
std::int32_t CWH_promptSaveOnExit();
std::int32_t CWH_getMainWindowWidth();
std::int32_t CWH_getMainWindowHeight();
std::int32_t CWH_getMdiTextWindowWidth();
std::int32_t CWH_getMdiTextWindowHeight();
std::int32_t CWH_defaultFontSize();
// Fills buf[0..len) with the font family, blank-padded or cut to len; a
// length of 0 or less writes nothing.
void CWH_defaultFontFamily(char* buf, std::int32_t len);
std::int32_t CWH_autoSave();
std::int32_t CWH_closeOnProgramFinish();
std::int32_t CWH_showDefaultOutputWindow();
}
