// The colour table as a whole: the built-in colours, the table menu, and
// the colour-table file. Every count and entry is stored by scolornb and
// scolorrgb, so their checks hold for all three.
#include <cstdint>
#include <string>
#include <string_view>

#include "gral/fileopen.h"
#include "gral/format.h"
#include "gral/frames.h"
#include "gral/freeform.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "gral/text.h"
#include "gral/units.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "records/fixedtext.h"
#include "records/plot.h"

namespace {

constexpr Stamp kScolortable{"scolortable", " 1.6", "2020-10-14"};

constexpr std::int32_t kTableUnit = 20;
constexpr std::size_t kNameLength = 25;
constexpr std::int32_t kMaxColor = 18;

struct BuiltIn {
  const char* name;
  float red, green, blue;
};
constexpr BuiltIn kBuiltIn[kMaxColor + 1] = {
    {"White-bkg", 100, 100, 100}, {"Black", 0, 0, 0},      {"Red", 100, 0, 0},
    {"Green", 0, 100, 0},         {"Blue", 0, 0, 100},     {"Cyan", 0, 100, 100},
    {"Magenta", 100, 0, 100},     {"Yellow", 100, 100, 0}, {"Grey20", 80, 80, 80},
    {"Grey30", 70, 70, 70},       {"Grey40", 60, 60, 60},  {"Grey50", 50, 50, 50},
    {"Grey70", 30, 30, 30},       {"Orange", 100, 50, 0},  {"Chartreuse green", 50, 100, 0},
    {"Spring Green", 0, 100, 50}, {"Azure", 0, 50, 100},   {"Violet", 50, 0, 100},
    {"Rose", 100, 0, 50},
};

void say_i4(std::string_view text, std::int32_t v) {
  plot_attr::say_int(text, v, 4);
}

void load_built_in() {
  submenuhead(kScolortable);
  gral::say("INITIALIZING COLOR TABLE WITH 19 COLORS");
  gral::say("0/1         : BKG,WHITE / FRG,BLACK");
  gral::say("2/3/4/5/6/7 : R/G/B/C/M/Y");
  gral::say("8/9/10/11/12: GREY 20/30/40/50/70 %");
  gral::say("13/14/15    : Orange/C Green/S Green");
  gral::say("16/17/18    : Azure/Violet/Pink");
  std::int32_t nb = kMaxColor;
  scolornb(nb, 1);
  for (std::int32_t i = 0; i <= kMaxColor; ++i) {
    const BuiltIn& c = kBuiltIn[i];
    std::string name = fixed::fit(c.name, kNameLength);
    float red = c.red, green = c.green, blue = c.blue;
    scolorrgb(i, name, red, green, blue, 1);
  }
}

void cell(gral::Rec& r, std::string_view field) {
  r.X().A(field, 6).A(" |");
}

void show_table() {
  gral::Rec head;
  head.X().A("|index|").A("name", 10).A("|");
  for (const char* label : {"red%", "green%", "blue%"}) cell(head, label);
  gral::say(head);
  for (std::int32_t i = 0; i <= plt2blk.NBCOLOR; ++i) {
    gral::Rec row;
    row.X().A("|").X().I(i, 3).X().A("|").A(pltcharblk.COLORNAM(i), 10).A("|");
    for (float c : {plt2blk.RED(i), plt2blk.GREEN(i), plt2blk.BLUE(i)}) cell(row, gral::fmt_f(c, 6, 1));
    gral::say(row);
  }
}

void show_menu() {
  submenuhead(kScolortable);
  gral::say("SETTING COLOR TABLE");
  plot_attr::dash_rule();
  say_i4("Current nb of colors:", plt2blk.NBCOLOR);
  plot_attr::dash_rule();
  show_table();
  plot_attr::dash_rule();
  say_i4("change nb of colors ..........100", plt2blk.NBCOLOR);
  gral::say("set 1 rgb color ..............200");
  gral::say("read color table from file ...300");
  plot_attr::dash_rule();
  gral::say("EXIT ..........................99");
  menutail();
}

// The values of a colour-table file, read as a list: one read begins at
// the start of a line and goes on over the lines that follow until it has
// its values. Anything that is not a value of its kind is a read failure,
// an empty value between two commas and a slash among them.
class ColourFile {
 public:
  enum class Got { value, unreadable, ended };

  // The next read begins on a line of its own.
  void next_record() {
    line_.clear();
    pos_ = 0;
    null_if_comma_ = true;
  }

  Got integer(std::int32_t& v) {
    std::string t;
    Got g = item(t, false);
    if (g == Got::value && !gral::read_int(t, v)) g = Got::unreadable;
    return g;
  }
  Got real(float& v) {
    std::string t;
    Got g = item(t, false);
    if (g == Got::value && !gral::read_real(t, v)) g = Got::unreadable;
    return g;
  }
  // One word, or a text in apostrophes or quotation marks that may hold
  // blanks (a doubled mark stands for itself); kept at n characters.
  Got name(std::string& v, std::size_t n) {
    std::string t;
    const Got g = item(t, true);
    if (g == Got::value) v = fixed::fit(t, n);
    return g;
  }

 private:
  static bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

  Got item(std::string& t, bool text) {
    for (;;) {
      while (pos_ < line_.size() && blank(line_[pos_])) ++pos_;
      if (pos_ == line_.size()) {
        auto rec = gral::read_record(kTableUnit);
        if (!rec) return Got::ended;
        line_ = std::move(*rec);
        pos_ = 0;
        continue;
      }
      const char c = line_[pos_];
      if (c == ',') {
        if (null_if_comma_) return Got::unreadable;
        null_if_comma_ = true;
        ++pos_;
        continue;
      }
      if (c == '/') return Got::unreadable;
      null_if_comma_ = false;
      if (text && (c == '\'' || c == '"')) return quoted(t, c);
      const std::size_t end = line_.find_first_of(" \t\r,", pos_);
      t = line_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
      pos_ += t.size();
      return t.find('/') == std::string::npos ? Got::value : Got::unreadable;
    }
  }

  // A text without its closing mark runs to the end of its line.
  Got quoted(std::string& t, char mark) {
    ++pos_;
    while (pos_ < line_.size()) {
      const char c = line_[pos_++];
      if (c != mark) {
        t += c;
      } else if (pos_ < line_.size() && line_[pos_] == mark) {
        t += mark;
        ++pos_;
      } else {
        break;
      }
    }
    return Got::value;
  }

  std::string line_;
  std::size_t pos_ = 0;
  bool null_if_comma_ = true;
};

void say_closed(const std::string& fname) {
  gral::say_items({"Input file", gral::trimmed(fname), "is closed"});
}

void read_failure(ColourFile::Got got, std::int32_t line, const std::string& fname) {
  errorhead(kScolortable);
  if (got == ColourFile::Got::ended) gral::say("END OF FILE REACHED UNEXPECTEDLY");
  say_i4("WHILE READING LINE NUMBER ", line);
  gral::close_unit(kTableUnit);
  say_closed(fname);
  errortail00();
}

// Reads the count, then one record per colour in use; stops at the first
// record that cannot be read, keeping what was stored before it.
void read_file(std::string& fname) {
  using Got = ColourFile::Got;
  opef2(fname, "color table input", kTableUnit, "old", 0);
  ColourFile in;
  std::int32_t line = 1;
  std::int32_t nb = 0;
  in.next_record();
  if (Got g = in.integer(nb); g != Got::value) return read_failure(g, line, fname);
  scolornb(nb, 1);
  const std::int32_t records = plt2blk.NBCOLOR + 1;
  for (std::int32_t k = 1; k <= records; ++k) {
    ++line;
    in.next_record();
    std::int32_t icol = 0;
    float red = 0.0f, green = 0.0f, blue = 0.0f;
    std::string name = fixed::blanks(kNameLength);
    Got g = in.integer(icol);
    if (g == Got::value) g = in.real(red);
    if (g == Got::value) g = in.real(green);
    if (g == Got::value) g = in.real(blue);
    if (g == Got::value) g = in.name(name, kNameLength);
    if (g != Got::value) return read_failure(g, line, fname);
    scolorrgb(icol, name, red, green, blue, 1);
  }
  gral::close_unit(kTableUnit);
  submenuhead(kScolortable);
  say_closed(fname);
  gral::say(gral::Rec().X().A("Could read up to:").X().I(kMaxColor, 4).X().A("DATA"));
  gral::say(gral::Rec().X().A("Actually read   :").X().I(plt2blk.NBCOLOR, 4).X().A("DATA"));
  menutail();
}

}  // namespace

void scolortable(std::int32_t inter) {
  if (inter == 4 || inter == 5) load_built_in();
  if (inter % 2 != 0) return;
  // Offered blank the first time in a call: a name lasts for the call only.
  std::string fname = fixed::blanks(kNameLength);
  for (;;) {
    show_menu();
    std::int32_t choice = 99, st = 0;
    inintegdef(choice, "your choice", 99, st);
    if (choice == 99) return;
    if (choice == 100) {
      std::int32_t nb = 0;
      scolornb(nb, 2);
    } else if (choice == 200) {
      std::int32_t icol = 0;
      inintegvin1(icol, "index of color to modify", 0, plt2blk.NBCOLOR, st);
      std::string name = fixed::blanks(kNameLength);
      float red = 0.0f, green = 0.0f, blue = 0.0f;
      scolorrgb(icol, name, red, green, blue, 2);
    } else if (choice == 300) {
      read_file(fname);
    }
  }
}
