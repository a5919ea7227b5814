// The axis library: up to 15 axes and one box, their set-up and drawing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Set-up routines; the last argument is the mode: 1 check and store, 3 return
// the stored values, 4 and 5 built-in defaults (5 announced), even modes open
// the routine's menu, 10 opens it on the stored values. Every mode stores;
// the in-out arguments come back holding what was stored.
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

// Draws the box [xa, xb] x [ya, yb] of the current subplot's user units. The
// sides at the larger and smaller y and x are annotated axes when itop,
// ibottom, ileft, iright are non-zero, plain lines when 0; their ticks,
// numbers and labels always lie outside the box. izerolin 1 adds the lines
// x = 0 and y = 0 where they cross the box.
void usbax6(float xa, float xb, float ya, float yb, float xwau1, float xwau2, float xwaud,
            std::string_view xwalab, std::int32_t xnawdig, float xwalas, std::int32_t xnasubint,
            std::int32_t xnlabintk, float ywau1, float ywau2, float ywaud, std::string_view ywalab,
            std::int32_t ynawdig, float ywalas, std::int32_t ynasubint, std::int32_t ynlabintk,
            std::int32_t izerolin, std::int32_t itop, std::int32_t ibottom, std::int32_t ileft,
            std::int32_t iright);
// One annotated axis from (xcm1, ycm1) to (xcm2, ycm2) on the page: line,
// ticks and sub-ticks, a number at every nlabintk-th major tick and the label.
// angtic turns the ticks from the axis direction (+90 left of it, -90 right);
// kaxis 2 writes the numbers along the axis, any other value across it. The
// text size, angle and justification are as on entry when it returns.
void cmaxis11(float xcm1, float ycm1, float xcm2, float ycm2, float angtic, std::int32_t nasubint,
              std::int32_t nlabintk, float wau1, float wau2, float waud, std::int32_t nawdig, float walas,
              std::int32_t kaxis, std::string_view walab);
// ntics major ticks vtic from orig on, dtic apart, with nasubint - 1 sub-ticks
// (subfac x vtic) between two of them and nextra after the last.
void cmtic2(const float* orig, const float* dtic, const float* vtic, float subfac, std::int32_t ntics,
            std::int32_t nasubint, std::int32_t nextra);
