// Text into the plot file, the text font and height, and the scale from
// centimetres to points.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gral/angles.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/text.h"
#include "psdev/psdev.h"
#include "psdev/psdev_internal.h"
#include "records/plot.h"
#include "records/psparam.h"

namespace {

using psdev::detail::emit;

constexpr Stamp kDetext2{"detext2    ", " 9.0", "2024-05-26"};

// 72 / 2.54 rounded up to two decimals.
constexpr float kPointsPerCm = 28.35f;

// Inside a PostScript string a backslash always needs its escape, but a
// parenthesis only when it is unbalanced: balanced pairs stand as they are,
// so an ordinary text such as "Shmin (MPa)" is written as given.
std::string escaped(std::string_view text) {
  std::vector<bool> escape(text.size(), false);
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      escape[i] = true;
    } else if (text[i] == '(') {
      open.push_back(i);
    } else if (text[i] == ')') {
      if (open.empty())
        escape[i] = true;
      else
        open.pop_back();
    }
  }
  for (std::size_t i : open) escape[i] = true;
  std::string s;
  s.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (escape[i]) s += '\\';
    s += text[i];
  }
  return s;
}

// An angle too wide for its field would leave asterisks in the file; a whole
// number of turns less draws the same text.
std::string angle_field(float angle) {
  std::string f = gral::fmt_f(angle, 7, 2);
  if (f.find('*') != std::string::npos) f = gral::fmt_f(std::fmod(angle, 360.0f), 7, 2);
  return f;
}

// The height in whole points toward zero, kept within what an integer holds.
std::int32_t whole_points(float size) {
  const float t = std::trunc(size);
  if (t >= 2147483520.0f) return 2147483520;
  if (t <= -2147483520.0f) return -2147483520;
  return static_cast<std::int32_t>(t);
}

}  // namespace

void detext2(float& x, float& y, std::string_view text) {
  if (!psdev::plot_file_open()) return;
  const auto& ps = psparams_90;
  const float angle = plt2blk.TEXTANGLE;
  if (std::isnan(x) || std::isnan(y) || !std::isfinite(ps.TEXTSIZPT) || !std::isfinite(angle)) {
    psdev::detail::not_drawn(kDetext2, "Text position, height or angle is not a number");
    return;
  }

  // A font scaled to 0 points is singular: PostScript cannot show with it,
  // and the rest of the file would be lost.
  const std::int32_t points = whole_points(ps.TEXTSIZPT);
  if (points == 0) {
    psdev::detail::not_drawn(kDetext2, "Text height is below one point");
    return;
  }

  const std::int32_t k = plt2blk.ITEXTALIGN;
  const std::int32_t a = k < 0 ? -k : k;
  const std::int32_t v = a / 4;
  const std::int32_t h = a % 4;
  const std::string shown = k < 0 ? gral::trimmed(text) : std::string(text);

  if (v == 0) {
    psmoveto(x, y, 0);
  } else {
    const float d = 0.5f * ps.TEXTSIZPT * static_cast<float>(v);
    const float theta = rad(angle);
    float xs = x + d * std::sin(theta);
    float ys = y - d * std::cos(theta);
    psmoveto(xs, ys, 0);
  }
  if (angle != 0.0f) emit(gral::Rec().A(angle_field(angle)).X().A("rotate"));

  std::string size(10, ' ');
  std::int32_t nchar = 0;
  intg2char(size, nchar, 10, points);
  const std::int32_t font = ps.IFONT >= 1 && ps.IFONT <= 16 ? ps.IFONT : 1;
  emit(gral::Rec()
           .A(gral::head(size, nchar))
           .X()
           .A(gral::trimmed(ps.FONTS(font)))
           .X()
           .A("findfont exch scalefont setfont"));
  psrgbcolor(3);

  const std::string str = "(" + escaped(shown) + ")";
  if (h == 2 || h == 3) {
    emit(str);
    emit(gral::Rec().A("dup stringwidth pop").X().I(h - 4, 2).X().A("div 0 rmoveto"));
    emit("show");
  } else {
    emit(gral::Rec().A(str).X().A("show"));
  }
  if (angle != 0.0f) emit(gral::Rec().A(angle_field(-angle)).X().A("rotate"));
}

void intstextfont(std::int32_t ifont) {
  psparams_90.IFONT = ifont;
  psstrokepath();
}

void intstextsize(float size) {
  psparams_90.TEXTSIZPT = plt1blk.CMTODEF * size;
}

void scm2de() {
  auto& p = plt1blk;
  p.CMTODEF = kPointsPerCm;
  for (int k = 1; k <= kMaxSubplots; ++k) {
    p.CM0TODE(1, k) = 0.0f;
    p.CM0TODE(2, k) = 0.0f;
  }
  p.CMTODE(1, 1) = kPointsPerCm;
  p.CMTODE(2, 1) = 0.0f;
  p.CMTODE(1, 2) = 0.0f;
  p.CMTODE(2, 2) = kPointsPerCm;
}
