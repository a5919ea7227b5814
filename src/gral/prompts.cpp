#include "gral/prompts.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/freeform.h"
#include "gral/lines.h"
#include "gral/runend.h"
#include "gral/text.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "records/sio.h"

namespace {

constexpr Stamp kIninteg1{"ininteg1   ", " 1.2", "2024-02-05"};
constexpr Stamp kInintegdef{"inintegdef ", " 1.4", "2024-02-05"};
constexpr Stamp kInintegvin1{"inintegvin1", " 1.2", "2024-02-05"};
constexpr Stamp kInintegvindef{"inintegvindef", " 1.4", "2024-02-05"};
constexpr Stamp kInrealdef{"inrealdef  ", " 1.3", "2024-02-05"};
constexpr Stamp kInrealvindef{"inrealvindef", " 1.6", "2024-02-05"};
constexpr Stamp kInlogicdef{"inlogicdef ", " 1.4", "2024-02-05"};
constexpr Stamp kInlogicdef2{"inlogicdef2", " 1.0", "08-03-2000"};

// Answer buffers of the prompts that copy the line before reading it.
constexpr std::size_t kNumberBuffer = 20;
constexpr std::size_t kTextBuffer = 80;

void dot_rule(int unit) {
  gral::put_rule(unit, gral::kDotRule, '.');
}
void level2_dot_rule() {
  if (iocom.LWITO(2)) dot_rule(iocom.IUNSTDOUT);
}

void question_line(const std::string& q) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Enter").X().A(q));
}

void default_hint() {
  gral::put1x(iocom.IUNSTDOUT, "or return for default value");
}

// Only a line feed, a carriage return or a blank as first character takes
// the default; an empty line counts as a blank once it fills its buffer.
bool takes_default(char first) {
  return first == '\n' || first == '\r' || first == ' ';
}

void could_not_read(const Stamp& stamp, const std::string& q) {
  errorhead(stamp);
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("could not read").X().A(q));
  gral::put1x(iocom.IUNSTDOUT, "==> RETRYING");
  errortail00();
}

void echo(std::int32_t v) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("New value = ").X().I(v, 12));
  level2_dot_rule();
}
void echo(float v) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("New value = ").X().G(v, 12, 6));
  level2_dot_rule();
}
void echo_text(const std::string& answer) {
  gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("New value =").X().A(answer));
  level2_dot_rule();
}

bool read_value(std::string_view text, std::int32_t& v) {
  return gral::read_int(text, v);
}
bool read_value(std::string_view text, float& v) {
  return gral::read_real(text, v);
}

// What one pass got from the input.
enum class Got { value, unreadable, ask_again };

// The number prompts with a default: the first 20 characters of one line;
// a number that runs past them is not read as what the cut leaves of it.
template <class T>
Got from_buffer(T& v, T def) {
  auto line = gral::read_answer(iocom.IUNSTDIN);
  if (!line) return Got::ask_again;
  std::string buf = fixed::fit(*line, kNumberBuffer);
  if (takes_default(buf[0])) {
    v = def;
    return Got::value;
  }
  if (!gral::first_item_within(*line, kNumberBuffer) || gral::record_was_cut(iocom.IUNSTDIN))
    return Got::unreadable;
  return read_value(buf, v) ? Got::value : Got::unreadable;
}

// The prompts without a default read as from a list of values: lines that
// hold no value are passed over silently.
Got from_unit(std::int32_t& v) {
  for (;;) {
    auto line = gral::read_answer(iocom.IUNSTDIN);
    if (!line) return Got::ask_again;
    if (gral::holds_no_value(*line)) continue;
    // What the cut left of a longer number is not the number.
    if (gral::record_was_cut(iocom.IUNSTDIN)) return Got::unreadable;
    return gral::read_int(*line, v) ? Got::value : Got::unreadable;
  }
}

// The passes of a number prompt: the question and what the prompt shows
// under it, one reading, and a refusal (reported by `outside` itself) until
// a value is taken. The value is returned to the caller only once taken.
template <class T, class Show, class Read, class Outside>
T number_passes(const Stamp& stamp, const std::string& q, Show show, Read read, Outside outside) {
  for (;;) {
    level2_dot_rule();
    question_line(q);
    show();
    T v{};
    Got got = read(v);
    if (got == Got::ask_again) continue;
    if (got == Got::unreadable) {
      could_not_read(stamp, q);
      continue;
    }
    if (outside(v)) continue;
    return v;
  }
}

constexpr auto kNothingMore = [] {};
constexpr auto kNeverOutside = [](auto) { return false; };

// The integer interval, each bound in exactly its own width.
class IntInterval {
 public:
  IntInterval(std::int32_t lower, std::int32_t upper) : lower_(lower), upper_(upper) {
    integlen(w1_, lower);
    integlen(w2_, upper);
  }
  void line(std::string_view lead) const {
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(lead, 9).I(lower_, w1_).A(",", 1).I(upper_, w2_).A("]", 1));
  }
  bool refuses(const Stamp& stamp, const std::string& q, std::int32_t v) const {
    if (v >= lower_ && v <= upper_) return false;
    errorhead(stamp);
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(q + " =").X().I(v, 12));
    line("outside [");
    errortail00();
    return true;
  }

 private:
  std::int32_t lower_, upper_;
  std::int32_t w1_ = 0, w2_ = 0;
};

// A fixed-point (F) or general (G) field of the real interval prompt.
struct Field {
  char kind;
  int w, d;
  std::string of(float v) const { return kind == 'G' ? gral::fmt_g(v, w, d) : gral::fmt_f(v, w, d); }
};

// Interval layout by the larger bound magnitude. From 1e6 on the upper bound
// takes the lower bound's field: eleven columns cannot hold an upper bound of
// 1e9 or more, nor a fixed-point field one of 1e20.
std::pair<Field, Field> interval_layout(float m1) {
  if (m1 < 10.0f) return {{'F', 6, 3}, {'F', 6, 3}};
  if (m1 < 100.0f) return {{'F', 7, 3}, {'F', 7, 3}};
  if (m1 < 1000.0f) return {{'F', 7, 2}, {'F', 7, 2}};
  if (m1 < 1.0e6f) return {{'F', 9, 1}, {'F', 7, 2}};
  if (m1 < 1.0e10f) return {{'F', 13, 1}, {'F', 13, 1}};
  return {{'G', 20, 1}, {'G', 20, 1}};
}

Field default_layout(float m2) {
  if (m2 < 10.0f) return {'F', 6, 3};
  if (m2 < 100.0f) return {'F', 7, 3};
  if (m2 < 1000.0f) return {'F', 7, 2};
  return {'G', 20, 1};
}

// The two yes/no prompts differ in units, output level, the dot rule and
// a few texts.
struct YesNoStyle {
  const Stamp& stamp;
  bool every_level;  // every line at every level, one dot rule before the passes
  std::string_view enter_line;
  std::string_view again_line;
};

constexpr std::string_view kHelpTable[] = {
    "   To         type           ", "-----------------------------", "get help      h or H         ",
    "answer Yes    y or Y or 1    ", "answer No     n or N or 0    ", "use default   Carriage Return",
};

void help_table(const Stamp& stamp, int out) {
  submenuhead(stamp);
  for (auto line : kHelpTable) gral::put1x(out, line);
  menutail();
}

std::string_view yes_no_text(bool b) {
  return b ? "Yes" : "No ";
}

void yes_no_passes(bool& answer, std::string_view question, bool def, int in, int out, const YesNoStyle& st) {
  const std::string q = gral::trimmed(question);
  auto extra = [&] { return st.every_level || iocom.LWITO(2); };
  if (st.every_level) dot_rule(out);
  for (;;) {
    if (!st.every_level && iocom.LWITO(2)) dot_rule(out);
    gral::put(out, gral::Rec().X().A(q).X().A("?"));
    if (extra()) {
      gral::put1x(out, st.enter_line);
      gral::put1x(out, "or return for default value or h for help");
      gral::put(out, gral::Rec().X().A("Default =").X().A(yes_no_text(def)));
    }
    auto line = gral::read_answer(in);
    if (!line) {
      // The command file ran out and was closed: ask again at the keyboard.
      in = iocom.IUNSTDIN;
      continue;
    }
    char c = line->empty() ? ' ' : (*line)[0];
    if (c == 'y' || c == 'Y' || c == '1') {
      answer = true;
    } else if (c == 'n' || c == 'N' || c == '0') {
      answer = false;
    } else if (takes_default(c)) {
      answer = def;
    } else {
      if (c != 'h' && c != 'H') {
        errorhead(st.stamp);
        gral::put(out, gral::Rec().X().A("incorrect answer:").X().A(std::string(1, c)));
        gral::put1x(out, st.again_line);
        errortail00();
      }
      help_table(st.stamp, out);
      continue;
    }
    gral::put(out, gral::Rec().X().A("New value = ").X().A(yes_no_text(answer)));
    if (extra()) dot_rule(out);
    return;
  }
}

}  // namespace

void inchar1(std::string& answer, std::string_view question, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  // An answer without a declared length keeps the whole line.
  const std::size_t len = answer.size();
  for (;;) {
    level2_dot_rule();
    question_line(q);
    auto line = gral::read_answer(iocom.IUNSTDIN);
    if (!line) continue;
    answer = len == 0 ? *line : fixed::fit(*line, len);
    echo_text(answer);
    return;
  }
}

void inchardef(std::string& answer, std::string_view question, std::string def, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  // An answer without a declared length takes the text at its own length.
  const std::size_t len = answer.size();
  auto fit = [len](const std::string& s) { return len == 0 ? s : fixed::fit(s, len); };
  for (;;) {
    level2_dot_rule();
    question_line(q);
    if (iocom.LWITO(2)) {
      default_hint();
      gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Default =").X().A(gral::trimmed(def)));
    }
    auto line = gral::read_answer(iocom.IUNSTDIN);
    if (!line) continue;
    std::string buf = fixed::fit(*line, kTextBuffer);
    if (takes_default(buf[0])) {
      gral::say_items(
          {"ichar =", gral::fmt_i(static_cast<unsigned char>(buf[0]), 3), "=> use default value"});
      answer = fit(def);
    } else {
      answer = fit(len == 0 ? line->substr(0, kTextBuffer) : buf);
    }
    echo_text(answer);
    return;
  }
}

void ininteg1(std::int32_t& value, std::string_view question, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  value = number_passes<std::int32_t>(kIninteg1, q, kNothingMore, from_unit, kNeverOutside);
  echo(value);
}

void inintegdef(std::int32_t& value, std::string_view question, std::int32_t def, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  auto show = [&] {
    if (!iocom.LWITO(2)) return;
    default_hint();
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Default =").X().I(def, 12));
  };
  auto read = [&](std::int32_t& v) { return from_buffer(v, def); };
  value = number_passes<std::int32_t>(kInintegdef, q, show, read, kNeverOutside);
  echo(value);
}

void inintegvin1(std::int32_t& value, std::string_view question, std::int32_t lower, std::int32_t upper,
                 std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  const IntInterval interval(lower, upper);
  auto show = [&] { interval.line("inside  ["); };
  auto outside = [&](std::int32_t v) { return interval.refuses(kInintegvin1, q, v); };
  value = number_passes<std::int32_t>(kInintegvin1, q, show, from_unit, outside);
  echo(value);
}

void inintegvindef(std::int32_t& value, std::string_view question, std::int32_t def, std::int32_t lower,
                   std::int32_t upper, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  const IntInterval interval(lower, upper);
  auto show = [&] {
    interval.line("inside  [");
    if (!iocom.LWITO(2)) return;
    default_hint();
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Default =").X().I(def, 12));
  };
  auto read = [&](std::int32_t& v) { return from_buffer(v, def); };
  auto outside = [&](std::int32_t v) { return interval.refuses(kInintegvindef, q, v); };
  value = number_passes<std::int32_t>(kInintegvindef, q, show, read, outside);
  echo(value);
}

void inrealdef(float& value, std::string_view question, float def, std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  auto show = [&] {
    if (!iocom.LWITO(2)) return;
    default_hint();
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Default =").X().G(def, 12, 6));
  };
  auto read = [&](float& v) { return from_buffer(v, def); };
  value = number_passes<float>(kInrealdef, q, show, read, kNeverOutside);
  echo(value);
}

void inrealvindef(float& value, std::string_view question, float def, float lower, float upper,
                  std::int32_t& status) {
  status = 0;
  const std::string q = gral::trimmed(question);
  // Both layouts are fixed on entry, from the bounds and from the value the
  // result variable holds now, whatever is typed later.
  const float m1 = std::max(std::fabs(lower), std::fabs(upper));
  const float m2 = std::max({m1, std::fabs(value), std::fabs(def)});
  const auto [lower_field, upper_field] = interval_layout(m1);
  const Field default_field = default_layout(m2);
  auto interval_line = [&](std::string_view lead) {
    gral::put(
        iocom.IUNSTDOUT,
        gral::Rec().X().A(lead, 9).A(lower_field.of(lower)).A(",", 1).A(upper_field.of(upper)).A("]", 1));
  };
  auto show = [&] {
    interval_line("inside  [");
    if (!iocom.LWITO(2)) return;
    default_hint();
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A("Default =", 9).X().A(default_field.of(def)));
  };
  auto read = [&](float& v) { return from_buffer(v, def); };
  auto outside = [&](float v) {
    if (v >= lower && v <= upper) return false;
    errorhead(kInrealvindef);
    gral::put(iocom.IUNSTDOUT, gral::Rec().X().A(q + " =").X().G(v, 12, 6));
    interval_line("outside [");
    errortail00();
    return true;
  };
  value = number_passes<float>(kInrealvindef, q, show, read, outside);
  echo(value);
}

void inlogicdef(bool& answer, std::string_view question, bool def, std::int32_t& status) {
  status = 0;
  const YesNoStyle style{kInlogicdef, false, "Enter (0/1)(n/y)(N/Y) to answer", "==> ASKING AGAIN"};
  yes_no_passes(answer, question, def, iocom.IUNSTDIN, iocom.IUNSTDOUT, style);
}

void inlogicdef2(bool& answer, std::string_view question, bool def, std::int32_t iunin, std::int32_t iunout,
                 std::int32_t& status) {
  status = 0;
  const YesNoStyle style{kInlogicdef2, true, "Enter (0/1)(n/y)(N/Y)", "==> WILL ASK QUESTION AGAIN"};
  yes_no_passes(answer, question, def, iunin, iunout, style);
}
