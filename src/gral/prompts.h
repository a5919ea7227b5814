// The prompt family: every question the system asks. Arguments in the
// system's order: result, question, default, bounds, status (always set to
// 0). Defaults are taken by value, so a caller may pass the same variable as
// result and default. A prompt returns only with a usable value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

void inchar1(std::string& answer, std::string_view question, std::int32_t& status);
void inchardef(std::string& answer, std::string_view question, std::string def, std::int32_t& status);
void ininteg1(std::int32_t& value, std::string_view question, std::int32_t& status);
void inintegdef(std::int32_t& value, std::string_view question, std::int32_t def, std::int32_t& status);
void inintegvin1(std::int32_t& value, std::string_view question, std::int32_t lower, std::int32_t upper,
                 std::int32_t& status);
void inintegvindef(std::int32_t& value, std::string_view question, std::int32_t def, std::int32_t lower,
                   std::int32_t upper, std::int32_t& status);
void inrealdef(float& value, std::string_view question, float def, std::int32_t& status);
void inrealvindef(float& value, std::string_view question, float def, float lower, float upper,
                  std::int32_t& status);
void inlogicdef(bool& answer, std::string_view question, bool def, std::int32_t& status);
void inlogicdef2(bool& answer, std::string_view question, bool def, std::int32_t iunin, std::int32_t iunout,
                 std::int32_t& status);
