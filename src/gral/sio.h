// Set-up and listing of the console input/output state.
#pragma once

#include <cstdint>

void initsio2(std::int32_t iflag);
void writesio(std::int32_t unit);
