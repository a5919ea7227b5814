// A plot page read back as marks: the stroked paths with their points and the
// texts shown with their anchor and angle, all in device points. Tests of
// drawing compare these with positions computed on their own.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/plot.h"
#include "records/runinfo.h"
#include "records/sio.h"
#include "support/plotfiles.h"

namespace testing_support {

struct Point {
  float x, y;
};
struct PlacedText {
  Point at;          // the point the text is moved to
  float angle;       // the rotation before it, 0 when none
  std::string text;  // as written, escapes removed
  float across = 0;  // shift along the baseline in text widths: 0 left end, -0.5 centred, -1 right end
};
struct PageMarks {
  std::vector<std::vector<Point>> paths;
  std::vector<PlacedText> texts;
};

inline PageMarks marks_of(const Lines& page) {
  PageMarks m;
  bool in_path = false, pending = false;
  Point at{0, 0};
  float angle = 0;
  for (const auto& l : page) {
    std::istringstream in(l);
    float a = 0, b = 0;
    std::string op;
    if (l == "newpath") {
      m.paths.emplace_back();
      in_path = true;
    } else if (l == "stroke") {
      in_path = false;
    } else if (in >> a >> b >> op && (op == "moveto" || op == "lineto")) {
      if (in_path) {
        m.paths.back().push_back({a, b});
      } else {
        at = {a, b}, angle = 0, pending = true;
      }
    } else if (pending && l.ends_with(" rotate") && angle == 0) {
      angle = std::stof(l);
    } else if (pending && l.starts_with("(")) {
      std::string t, s = l.substr(1, l.rfind(')') - 1);
      for (std::size_t i = 0; i < s.size(); ++i) t += s[i] == '\\' ? s[++i] : s[i];
      m.texts.push_back({at, angle, t});
      pending = false;
    } else if (l.starts_with("dup stringwidth pop") && !m.texts.empty()) {
      m.texts.back().across = 1.0f / std::stof(l.substr(20));
    }
  }
  return m;
}

// A page point given in centimetres.
inline Point cm_point(double x, double y) {
  return {static_cast<float>(28.35 * x), static_cast<float>(28.35 * y)};
}

// Plotted points agree within 0.011 points in each coordinate.
inline ::testing::AssertionResult near(Point got, Point want) {
  if (std::fabs(got.x - want.x) <= 0.011f && std::fabs(got.y - want.y) <= 0.011f)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << got.x << ", " << got.y << ") is not (" << want.x << ", " << want.y << ")";
}

// Every path point for point and every text with its anchor, angle and
// shift along the baseline, as expected.
inline void expect_marks(const PageMarks& got, const PageMarks& want) {
  ASSERT_EQ(got.paths.size(), want.paths.size());
  for (std::size_t i = 0; i < got.paths.size(); ++i) {
    ASSERT_EQ(got.paths[i].size(), want.paths[i].size()) << "path " << i;
    for (std::size_t j = 0; j < got.paths[i].size(); ++j)
      EXPECT_TRUE(near(got.paths[i][j], want.paths[i][j])) << "path " << i << " point " << j;
  }
  ASSERT_EQ(got.texts.size(), want.texts.size());
  for (std::size_t i = 0; i < got.texts.size(); ++i) {
    const auto &g = got.texts[i], &w = want.texts[i];
    EXPECT_EQ(g.text, w.text);
    EXPECT_TRUE(near(g.at, w.at)) << g.text;
    EXPECT_NEAR(g.angle, w.angle, 0.01f) << g.text;
    EXPECT_EQ(g.across, w.across) << g.text;
  }
}

// Just the texts shown, in order.
inline Lines texts_of(const PageMarks& m) {
  Lines t;
  for (const auto& p : m.texts) t.push_back(p.text);
  return t;
}

// The lines of page n of a plot file, after its "%%Page:" line up to the
// "showpage" of the last page or the "gsave showpage" of a page that another
// follows.
inline Lines page_lines(const Lines& file, int n) {
  int seen = 0;
  for (auto it = file.begin(); it != file.end(); ++it) {
    if (it->starts_with("%%Page:") && ++seen == n)
      return Lines(it + 1, std::find_if(it, file.end(), [](const std::string& l) {
                     return l == "showpage" || l == "gsave showpage";
                   }));
  }
  return {};
}

// Whether the line holds a number that is not one, in any spelling. A text
// drawn on the page may say "Infinity": it is a word there, not a number
// that PostScript would have to read.
inline bool has_non_number(const std::string& line) {
  static const std::regex bad("(^|[^a-z])(nan|inf|infinity)([^a-z]|$)", std::regex::icase);
  const auto open = line.find('('), close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open)
    return std::regex_search(line, bad);
  return std::regex_search(line.substr(0, open), bad) || std::regex_search(line.substr(close + 1), bad);
}

// Plot files in a fresh directory, each drawing in a file of its own, opened
// as plot opening opens one without asking its name (the keyboard's next line
// keeps the page format), its maps brought up to date and the device's font
// and text height those of the start-up attributes. Closing keeps the file's
// lines in file_ and its first page's in page_; no non-number may reach a
// plot file.
class PlotPageTest : public PlotFileTest {
 protected:
  void open_file() {
    name_ = "t" + std::to_string(++files_) + ".ps";
    intplinit(name_, 3);
    iocom.LPLTOPEN = true;
    splotscaling(7);
    plt2blk.TEXTSIZE = 0.5f;
    intstextfont(1);
    intstextsize(0.5f);
  }
  // Subplot 1 maps the user window to the 10 by 10 cm square from (2, 3) cm;
  // the text attributes start at size 0.5 cm, angle 0, justification 1 (left
  // end, baseline).
  void open_plot(float xumin, float xumax, float yumin, float yumax) {
    open_file();
    iocom.LPAUSE = false;
    plt2blk.ITEXTALIGN = 1;
    float xcm0 = 2, ycm0 = 3, xl = 10, yl = 10;
    std::int32_t ixy = 0;
    sus2cm3(xcm0, ycm0, xl, yl, xumin, xumax, yumin, yumax, ixy, 1);
  }
  // The marks on the first page.
  PageMarks close_plot() {
    intplend();
    iocom.LPLTOPEN = false;
    file_ = file_lines(name_);
    for (const auto& l : file_) EXPECT_FALSE(has_non_number(l)) << l;
    page_ = page_lines(file_, 1);
    return marks_of(page_);
  }
  Lines file_, page_;

 private:
  int files_ = 0;
  std::string name_;
};

// Plot files drawn on the fake host with the run record started as the main
// program starts it (user, host, system, processor; code 2). Each drawing
// comes back as the marks of its first page; the console is kept in screen_.
class PlotOnFakeHost : public PlotPageTest {
 protected:
  void SetUp() override {
    PlotPageTest::SetUp();
    gral::set_platform(&host_);
    auto& r = runinfo3com;
    r.IROUTLEV = 1, r.IRUNINFO = 2;
    r.ROUTNAME(1) = "varnholt_pk", r.ROUTVERS(1) = " 1.5";
    r.USERNAM = "tmarsolan ", r.HOSTNAM = fixed::fit("bench.lab", 35);
    r.OSVERS = "Linux_6.1.0-1", r.HARDWINFO = fixed::fit("x86", 30);
  }
  void TearDown() override {
    gral::set_platform(nullptr);
    PlotPageTest::TearDown();
  }
  PageMarks drawn(const std::function<void()>& draw, const std::string& keyboard = "") {
    Console c("\n" + keyboard);
    open_file();
    draw();
    const PageMarks page = close_plot();
    screen_ = c.lines();
    return page;
  }

  FakeHost host_;
  Lines screen_;
};

}  // namespace testing_support
