// The axis library: up to 15 axes and one box, their set-up and drawing.
#pragma once

#include <cstdint>
#include <string>

// Set-up routines; the last argument is the mode: 1 check and store, 3 return
// the stored values, 4 and 5 built-in defaults (5 announced), even modes open
// the routine's menu.
void snaxis(std::int32_t imode);
void s1axuswdtyp(std::int32_t& itype, float& scale, std::int32_t iaxis, std::int32_t imode);
void s1axis1(float& usa1, float& usa2, float& wau1, float& wau2, float& waud, float& walas,
             std::string& walab, std::int32_t& nawdig, std::int32_t& nasubint, std::int32_t& nlabintk,
             std::int32_t iaxis, std::int32_t imode);
void s1axis(float& usa1, float& usa2, float& wau1, float& wau2, float& waud, float& walas, std::string& walab,
            std::int32_t& nawdig, std::int32_t& nasubint, std::int32_t iaxis, std::int32_t imode);
void s1bx2d(std::int32_t& ixaxis, std::int32_t& iyaxis, std::int32_t& ileft, std::int32_t& iright,
            std::int32_t& ibottom, std::int32_t& itop, std::int32_t& iclip, std::int32_t& izerolin,
            std::string& boxlab, std::int32_t ibox, std::int32_t imode);
// User-space start and end of an axis.
void g1axbd(float& usa1, float& usa2, std::int32_t iaxis);
// Draws box ibox (only 1) with its annotated axes in the current subplot.
void d1bx2d(std::int32_t ibox);
