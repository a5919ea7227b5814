// The run information drawn on a plot page, and the lines of text set beside
// it in the same small size and spacing.
#include <cstdint>
#include <string>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/hostfacts.h"
#include "gral/lines.h"
#include "gral/text.h"
#include "plot/plot.h"
#include "records/fixedtext.h"
#include "runinfo/runinfo.h"

namespace {

constexpr Stamp kCmplotruninfo2{"cmplotrunin", " 2.5", "2021-02-28"};

// Every line of the block is built in, and drawn as, a 60-character text.
constexpr std::size_t kLineLength = 60;
constexpr std::int32_t kLevels = 3;

// A body line of the level frames: label, one blank, the value in I4.
void level_line(std::string_view label, std::int32_t value) {
  gral::say(gral::Rec().X().A(label).X().I(value, 4));
}

// The block's lines, from (x, y) downwards at half the stored text height.
class Block {
 public:
  Block(float x, float y) : x_(x), y_(y) {
    stextsize(size_, 3);
    half_ = 0.5f * size_;
    // The set-routine may raise a height below its lower bound, and hands
    // back the one it set: the lines are spaced by that.
    stextsize(half_, 1);
  }
  ~Block() { stextsize(size_, 1); }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;

  void draw(std::string_view line) {
    cmtext2(x_, y_, fixed::fit(line, kLineLength));
    y_ = y_ - 1.5f * half_;
  }
  // The last line leaves the position where it is.
  void draw_last(std::string_view line) { cmtext2(x_, y_, fixed::fit(line, kLineLength)); }

  // A piece joins the current line when both fit in a line; otherwise the
  // current line is drawn and the piece begins the next one.
  void add(std::string& current, const std::string& piece) {
    const std::string joined = gral::trimmed(current);
    if (joined.size() + piece.size() <= kLineLength) {
      current = joined + piece;
    } else {
      draw(current);
      current = piece;
    }
  }

 private:
  float x_, y_;
  float size_ = 0.0f, half_ = 0.0f;
};

std::string routine_piece(std::int32_t level) {
  const auto& r = runinfo3com;
  return " -> " + gral::trimmed(r.ROUTNAME(level)) + "_" + gral::trimmed(r.ROUTVERS(level));
}

}  // namespace

void cmplotcharinfo2(std::string_view text, std::int32_t n, float x, float y, std::int32_t) {
  float s = 0.0f;
  stextsize(s, 3);
  float h = 0.5f * s;
  stextsize(h, 1);
  cmtext2(x, y - 1.5f * h * static_cast<float>(n - 1), text);
  stextsize(s, 1);
}

void cmplotruninfo2(float x, float y) {
  const auto& r = runinfo3com;
  Block block(x, y);

  std::string date(10, ' '), time(8, ' ');
  date10_time8(date, time);
  block.draw("Run on " + date + " at " + time);
  if (r.IRUNINFO == 0 || r.IRUNINFO == 1)
    block.draw("by " + gral::trimmed(r.USERNAM) + " on " + gral::trimmed(r.HOSTNAM));
  block.draw("System : " + gral::trimmed(r.OSVERS) + " " + gral::trimmed(r.HARDWINFO));

  if (r.IROUTLEV < 1) {
    errorhead(kCmplotruninfo2);
    level_line("Current routine level =", r.IROUTLEV);
    level_line("Can store up to level =", kLevels);
    gral::say("=> No program information");
    errortail00();
    block.draw_last("*** program information ERROR : routine level < 1 ***");
    return;
  }

  std::string line = gral::trimmed(r.ROUTNAME(1)) + "_" + gral::trimmed(r.ROUTVERS(1));
  const std::int32_t deepest = r.IROUTLEV <= kLevels ? r.IROUTLEV : 2;
  for (std::int32_t level = 2; level <= deepest; ++level) block.add(line, routine_piece(level));
  if (r.IROUTLEV > kLevels) {
    block.add(line, routine_piece(kLevels) + " -> x");
    warninghead(kCmplotruninfo2);
    level_line("Current subroutine level     =", r.IROUTLEV - 1);
    level_line("Information only up to level =", 2);
    warningtail00();
  }
  if (r.IRUNINFO == 0 || r.IRUNINFO == 2)
    block.add(line, " Command = " + gral::trimmed(gral::fmt_i(r.ICMND, 4)));
  block.draw_last(line);
}
