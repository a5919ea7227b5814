// Opening, paging and closing the plot, with the one flag that says the
// plot file is open; and the attributes as a whole.
#include <string>

#include "gral/runend.h"
#include "plot/plot.h"
#include "records/plot.h"
#include "support/expect.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

const std::string kAt = rule('@');

class Lifecycle : public PlotFileTest {
 protected:
  // Attributes as at start-up and a console answering from keys.
  Console& start(const std::string& keys) {
    con_.emplace();
    splotattributes(5);
    con_.emplace(keys);
    iocom.LPAUSE = false;
    return *con_;
  }
  bool shows(const Lines& block) const { return has_in_order(con_->lines(), {block}); }
  // The file ends as a finished plot file does.
  static bool finished(const std::string& file) {
    const auto all = file_lines(file);
    return all.size() > 2 && all.back() == "%%EOF";
  }
  std::optional<Console> con_;
};

// The main menu's dialogue shows the warnings of opening twice and closing
// twice; here the flag and the files at each step.
TEST_F(Lifecycle, OpenFailCloseAndEndOfRunKeepTheFlagTrue) {
  start("y\n\n");
  std::string name = "a.ps";
  plinit(name, 3);
  EXPECT_TRUE(iocom.LPLTOPEN);
  plinit(name = "b.ps", 3);
  EXPECT_FALSE(std::filesystem::exists("b.ps"));
  plend();
  EXPECT_FALSE(iocom.LPLTOPEN);
  EXPECT_TRUE(finished("a.ps"));
  // A file that cannot be opened leaves the plot closed, and nothing is sent.
  start("y\nn\n");
  plinit(name = "no_dir/c.ps", 3);
  EXPECT_FALSE(iocom.LPLTOPEN);
  EXPECT_TRUE(shows({" Plot file or window could not be opened", " ==> the plot stays closed"}));
  EXPECT_FALSE(shows({" UPDATING PLOT ATTRIBUTESS"}));
  // The run ends while the plot is open: the file is still finished.
  start("y\n");
  plinit(name = "d.ps", 3);
  EXPECT_EQ(run_status([] { gral::end_run(1, false); }), 1);
  EXPECT_FALSE(iocom.LPLTOPEN);
  EXPECT_TRUE(finished("d.ps"));
}

// The answers are followed from the main menu; here the menu whole, and a
// new page with no plot open.
TEST_F(Lifecycle, NewPageMenuAndNoPlotOpen) {
  start("y\n\n");
  std::string name = "p.ps";
  plinit(name, 3);
  con_->clear();
  newpage();
  EXPECT_EQ(
      con_->lines(),
      (Lines{kAt, " @ subroutine newpage               v6.1 2016-01-07",
             " @=================================================", " IT IS SUGGESTED TO CLEAR THE PLOT",
             " You can:", " clear the window / add a page to the file ..0",
             " close the window / file and open a new one .1",
             " append to the current window / file ........2", kAt, kDots, " Enter your choice",
             " inside  [0,2]", " or return for default value", " Default =            0",
             " New value =             0", kDots}));
  plend();
  EXPECT_EQ(count(file_lines("p.ps"), "%%Pages:   2"), 1);
  start("0\n");
  newpage();
  const Lines out = con_->lines();
  EXPECT_EQ(Lines(out.end() - 7, out.end()),
            (warning_head("newpage             ") +
             Lines{" No plot window or file is open", " ===> NO ACTION", rule('/')}));
  EXPECT_FALSE(iocom.LPLTOPEN);
}

TEST_F(Lifecycle, AttributeModesAndMenu) {
  for (int quiet : {1, 3, 9, -1}) {
    start("");
    splotattributes(quiet);
    EXPECT_EQ(con_->lines(), Lines{}) << quiet;
  }
  start("");
  splotattributes(7);
  EXPECT_EQ(con_->lines(), lines({error_head("splotattributes     "),
                                  {" TRYING TO PROPAGATE PLOT ATTRIBUTES", "  WITH CLOSED PLOT FILE",
                                   " ===> NO ACTION", rule('*')}}));
  // The menu, whole; then the initial values chosen, and the width starts
  // from its default.
  start("1\nn\n10\n\n99\n");
  plt2blk.LINEWIDTH = 0.3f;
  splotattributes(2);
  // clang-format off
  const Lines menu_lines = {
      " -------------------------------------------", "          SETTING PLOT ATTRIBUTES",
      " -------------------------------------------", " GET SETTINGS",
      "  from currently stored..... 1 T", "  from initialisation....... 1 F",
      " -------------------------------------------", " LINE ATTRIBUTES:",
      "  thickness ................10", "  style ....................11",
      "  color ....................12", " POLYGON FILL ATTRIBUTES:",
      "  interior style ...........20", "  interior color ...........21",
      " TEXT ATTRIBUTES:", "  font .....................30",
      "  size .....................31", "  justification ............32",
      "  angle ....................33", "  color ....................34",
      " SYMBOL ATTRIBUTES:", "  type .....................40",
      "  size .....................41", " COLOR:",
      "  color table ..............50", " -------------------------------------------",
      " EXIT THIS SET UP  .........99", kAt};
  // clang-format on
  const Lines head = {kAt, " @ subroutine splotattributes       v1.0 2020-10-16",
                      " @================================================="};
  EXPECT_TRUE(shows(head + menu_lines +
                    Lines{kDots, " Enter your choice", " or return for default value",
                          " Default =           99", " New value =             1"}));
  EXPECT_TRUE(shows({"  from currently stored..... 1 F", "  from initialisation....... 1 T"}));
  EXPECT_TRUE(shows({" present value in cm .......     0.020"}));
  EXPECT_EQ(plt2blk.LINEWIDTH, 0.02f);
  // Without the menu lines (a command file being read): the head and the
  // question only; an empty answer leaves.
  start("\n");
  iocom.LWITO(2) = false;
  splotattributes(0);
  EXPECT_EQ(con_->lines(), (head + Lines{" Enter your choice", " New value =            99"}));
  // Mode 4: every setter with its dialogue from its default, then the menu.
  start(std::string(13, '\n'));
  splotattributes(4);
  EXPECT_TRUE(shows({" INITIALIZING PLOT ATTRIBUTESS"}));
  EXPECT_TRUE(shows({" EXIT THIS SET UP  .........99"}));
  EXPECT_EQ(con_->unread(), "");
}

}  // namespace
