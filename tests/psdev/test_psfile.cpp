#include <filesystem>
#include <string>
#include <vector>

#include "gral/runend.h"
#include "psdev_fixture.h"

namespace {

using psdev_test::expect_renders;
using psdev_test::file_lines;
using Lines = std::vector<std::string>;

class PsFile : public psdev_test::PsDev {};

const Lines kTrailerOnePage = {"showpage", "%%End Page", "%%Trailer", "%%Pages:   1", "%%EOF"};

struct PrologCase {
  int format;
  bool colour;
  Lines prolog;
};

TEST_F(PsFile, PrologOfEachFormatWithAndWithoutColour) {
  const std::string head[] = {"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)"};
  const std::string colour1 = " 0.000  0.000  0.000 setrgbcolor";
  const PrologCase cases[] = {
      {1, false, {"%%BoundingBox:    0    0  595  842"}},
      {1, true, {"%%BoundingBox:    0    0  595  842", colour1}},
      {2, false, {"%%BoundingBox:    0    0  612  792"}},
      {2, true, {"%%BoundingBox:    0    0  612  792", colour1}},
      {3, false, {"%%BoundingBox:    0    0  595  842", " 595    0 translate 90 rotate"}},
      {3, true, {"%%BoundingBox:    0    0  595  842", " 595    0 translate 90 rotate", colour1}},
      {4, false, {"%%BoundingBox:    0    0  612  792", " 612    0 translate 90 rotate"}},
      {4, true, {"%%BoundingBox:    0    0  612  792", " 612    0 translate 90 rotate", colour1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "format " << c.format << " colour " << c.colour);
    write_defaults(std::to_string(c.format) + "\n");
    start("y\n\n", c.colour);
    plt2blk.ICURCOLOR = 7;
    std::string name = "plot.ps";
    intplinit(name, 1);
    intplend();
    Lines want(std::begin(head), std::end(head));
    want.insert(want.end(), c.prolog.begin(), c.prolog.end());
    want.push_back("% Ready to go");
    want.push_back("%%Page:    1    1");
    want.insert(want.end(), kTrailerOnePage.begin(), kTrailerOnePage.end());
    EXPECT_EQ(file_lines("plot.ps"), want);
    // The cache follows the opening only in a colour plot.
    EXPECT_EQ(plt2blk.ICURCOLOR, c.colour ? 1 : 7);
    expect_renders("plot.ps");
  }
}

struct DefaultsCase {
  const char* what;
  std::optional<std::string> content;
  int format;
  bool rewritten;
};

TEST_F(PsFile, DefaultsFileIsReadAndRewrittenWhenInvalid) {
  const DefaultsCase cases[] = {
      {"missing", std::nullopt, 1, true},
      {"empty", "", 1, true},
      {"zero", "0\n", 1, true},
      {"five", "5\n", 1, true},
      {"word", "landscape\n", 1, true},
      {"three alone", "3\n", 3, false},
      {"written record", "\n  3 'Landscape A4'\n  \n", 3, false},
      {"value with a comma", " 2,7\n", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove("vondt9_ini.txt");
    if (c.content) write_defaults(*c.content);
    auto& con = start("y\n");
    std::string name = "plot.ps";
    intplinit(name, 1);
    EXPECT_EQ(psparams_90.IPAGSIZ, c.format);
    const std::string text = con.text();
    EXPECT_EQ(text.find("updating or creating vondt9_ini.txt") != std::string::npos, c.rewritten);
    EXPECT_EQ(text.find("vondt9_ini.txt updated or created") != std::string::npos, c.rewritten);
    EXPECT_NE(text.find(" Orientation and size = " + fixed::fit(psparams_90.NAMSIZE(c.format), 20)),
              std::string::npos);
    if (c.rewritten) {
      EXPECT_EQ(file_lines("vondt9_ini.txt"), (Lines{"  1 'Portrait A4'", "  "}));
    }
    intplend();
  }
}

TEST_F(PsFile, AnsweringNoOffersTheFormatsAndRewritesEvenTheSameChoice) {
  for (int pick : {3, 4}) {
    SCOPED_TRACE(pick);
    write_defaults("  3 'Landscape A4'\n  \n");
    auto& con = start("n\n" + std::to_string(pick) + "\n");
    std::string name = "plot.ps";
    intplinit(name, 1);
    EXPECT_EQ(psparams_90.IPAGSIZ, pick);
    const auto lines = con.lines();
    const Lines menu = {
        " Page orientation and size ....... Command", " Portrait A4          .................. 1",
        " Portrait US Letter   .................. 2", " Landscape A4         .................. 3",
        " Landscape US Letter  .................. 4"};
    auto at = std::search(lines.begin(), lines.end(), menu.begin(), menu.end());
    EXPECT_NE(at, lines.end());
    EXPECT_NE(con.text().find(" vondt9_ini.txt updated or created"), std::string::npos);
    intplend();
    const std::string want = pick == 3 ? "  3 'Landscape A4'" : "  4 'Landscape US Letter'";
    EXPECT_EQ(file_lines("vondt9_ini.txt").at(0), want);
  }
}

TEST_F(PsFile, PageBreaksStrokeTheOpenPathAndCountPages) {
  open_plot();
  float x = 10.0f, y = 20.0f;
  psmoveto(x, y, 1);
  intnewpage();
  intnewpage();
  EXPECT_EQ(close_and_drawn(),
            (Lines{"newpath", "10.00 20.00 moveto", "stroke", "gsave showpage", "%%End Page", "grestore",
                   "%%Page:   2   2", "gsave showpage", "%%End Page", "grestore", "%%Page:   3   3"}));
  EXPECT_EQ(file_lines("plot.ps").at(file_lines("plot.ps").size() - 2), "%%Pages:   3");
  expect_renders("plot.ps");
}

TEST_F(PsFile, PageNumbersBeyondTheirFieldsAreWrittenInFull) {
  open_plot();
  psparams_90.IPAGE = 999;
  intnewpage();
  auto lines = close_and_drawn();
  EXPECT_EQ(lines.back(), "%%Page: 1000 1000");
  auto all = file_lines("plot.ps");
  EXPECT_EQ(all.at(all.size() - 2), "%%Pages: 1000");
  expect_renders("plot.ps");
}

TEST_F(PsFile, ClosingAsksForReturnAndGoesOnAtEndOfInput) {
  open_plot();
  const int status = testing_support::run_status([] { intplend(); });
  EXPECT_EQ(status, -1);
  auto lines = console_->lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), " Enter CR = Return to close the PostScript file"),
            lines.end());
  EXPECT_EQ(lines.at(lines.size() - 2), " The PostScript plot file is closed");
  EXPECT_FALSE(psdev::plot_file_open());
}

TEST_F(PsFile, RunEndingWithThePlotOpenFinishesTheFile) {
  open_plot();
  iocom.LPLTOPEN = true;
  float x = 1.0f, y = 2.0f;
  psmoveto(x, y, 1);
  EXPECT_EQ(testing_support::run_status([] { gral::end_run(1, false); }), 1);
  auto all = file_lines("plot.ps");
  const Lines tail(all.end() - 8, all.end());
  EXPECT_EQ(tail, (Lines{"newpath", "1.00 2.00 moveto", "stroke", "showpage", "%%End Page", "%%Trailer",
                         "%%Pages:   1", "%%EOF"}));
  EXPECT_FALSE(psdev::plot_file_open());
  expect_renders("plot.ps");
}

TEST_F(PsFile, PlotFileThatCouldNotBeOpenedGetsNothing) {
  // Defaults answered yes, then "no" to the question whether to stop.
  start("y\nn\n");
  std::string name = "no_such_dir/plot.ps";
  intplinit(name, 1);
  EXPECT_FALSE(psdev::plot_file_open());
  float x[] = {1.0f, 2.0f}, y[] = {1.0f, 2.0f};
  deline(x, y, 2);
  intnewpage();
  intplend();
  EXPECT_FALSE(std::filesystem::exists("no_such_dir"));
  // A file opened later on the same unit is not written into by drawing.
  gral::open_unit(50, "other.txt", "unknown", "write");
  deline(x, y, 2);
  gral::close_unit(50);
  EXPECT_TRUE(file_lines("other.txt").empty());
}

}  // namespace
