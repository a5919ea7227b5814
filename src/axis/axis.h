// The axis library: up to 15 axes and one box, their set-up and drawing.
#pragma once

#include <cstdint>
#include <string>

void snaxis(std::int32_t imode);
void s1axuswdtyp(std::int32_t& itype, float& scale, std::int32_t iaxis, std::int32_t imode);
void s1axis1(float& usa1, float& usa2, float& wau1, float& wau2, float& waud, float& walas,
             std::string& walab, std::int32_t& nawdig, std::int32_t& nasubint, std::int32_t& nlabintk,
             std::int32_t iaxis, std::int32_t imode);
