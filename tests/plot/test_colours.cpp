// The colour table: the number of colours, single entries, the built-in
// table and its menu, and colour-table files good and bad.
#include <sys/stat.h>

#include <tuple>

#include "plot/plot.h"
#include "support/plotfiles.h"

namespace {

using namespace testing_support;

const std::string kAt = rule('@');

class Colours : public ::testing::Test {
 protected:
  // The built-in table, then the console the test asks for: no pauses.
  Console& start(const std::string& keys = "") {
    reset_records();
    con_.emplace();
    scolortable(5);
    con_.emplace(keys);
    iocom.LPAUSE = false;
    return *con_;
  }
  std::string name(int i) const { return pltcharblk.COLORNAM(i); }
  std::tuple<float, float, float> rgb(int i) const {
    return {plt2blk.RED(i), plt2blk.GREEN(i), plt2blk.BLUE(i)};
  }
  bool shows(const Lines& block) const { return has_in_order(con_->lines(), {block}); }

  TempDir dir_;
  std::optional<Console> con_;
};

TEST_F(Colours, BuiltInTableAndItsLegend) {
  reset_records();
  const Lines out = run_with("", [] { scolortable(5); }).lines;
  EXPECT_EQ(out.at(1), " @ subroutine scolortable           v1.6 2020-10-14");
  EXPECT_EQ(Lines(out.begin() + 3, out.end()),
            (Lines{" INITIALIZING COLOR TABLE WITH 19 COLORS", " 0/1         : BKG,WHITE / FRG,BLACK",
                   " 2/3/4/5/6/7 : R/G/B/C/M/Y", " 8/9/10/11/12: GREY 20/30/40/50/70 %",
                   " 13/14/15    : Orange/C Green/S Green", " 16/17/18    : Azure/Violet/Pink"}));
  EXPECT_EQ(std::make_tuple(plt2blk.NBCOLOR, plt2blk.LCOLORPLOT, name(0), name(14), name(15)),
            std::make_tuple(18, true, "White-bk", "Chartreu", "Spring G"));
  EXPECT_EQ(std::make_tuple(plt2blk.RED(12), plt2blk.GREEN(13), plt2blk.BLUE(18)),
            std::make_tuple(30.0f, 50.0f, 50.0f));
  for (int odd : {3, 7, -1}) EXPECT_EQ(run_with("", [odd] { scolortable(odd); }).lines, Lines{});
}

TEST_F(Colours, NumberOfColoursModes) {
  // The number handed over, the mode, the keyboard; the number left and
  // handed back, the line colour left (10 before), and lines shown.
  using Case =
      std::tuple<std::int32_t, std::int32_t, std::string, std::int32_t, std::int32_t, std::int32_t, Lines>;
  // clang-format off
  const Case cases[] = {
      {19, 1, "", 18, 18, 10, {" trying to set nb of color  =  19", " max nb of color  =  18",
        " ===> RESET nb of color =  18"}},
      {0, 1, "", 1, 1, 1, {" min nb of color  = 1", " ===> RESET nb of color =   1",
        " The nb of colors has been reduced", " trying to set color nb =     10", " ===> RESET color nb    =      1",
        " ==> checking done"}},
      {7, 3, "", 18, 18, 10, {}},
      {7, 5, "", 4, 4, 1, {" INITIALIZING NUMBER OF COLORS TO:   4", " NB of colors =   4 ==> Color plot",
        " The nb of colors has been reduced"}},
      {7, 2, "10\n5\n98\n", 18, 5, 10, {" new nb of colors to apply .....10   5"}},
      {7, 2, "10\n1\n\n", 1, 1, 1, {" NB of colors =   1 ==> Black & White plot"}},
      {7, 6, "", 18, 7, 10, {" inter =   6", " Accepted range = [0,5]", " ===> NO ACTION"}},
  };
  // clang-format on
  for (const auto& [given, inter, keys, nb, back, line, shown] : cases) {
    SCOPED_TRACE(testing::Message() << given << " mode " << inter);
    start(keys);
    plt2blk.ILINECOLOR = 10;
    std::int32_t n = given;
    scolornb(n, inter);
    EXPECT_EQ(std::make_tuple(plt2blk.NBCOLOR, n, plt2blk.ILINECOLOR), std::make_tuple(nb, back, line));
    EXPECT_EQ(plt2blk.LCOLORPLOT, nb != 1);
    EXPECT_TRUE(has_in_order(con_->lines(), shown));
    EXPECT_EQ(shown.empty(), con_->lines().empty());
    // A table shortened at once by the default keeps every index in use valid.
    EXPECT_LE(plt2blk.IFILLCOLOR, plt2blk.NBCOLOR);
  }
}

TEST_F(Colours, EntryModesAndMenu) {
  start();
  std::string nm = fixed::fit("Chartreuse green", 25);
  float r = 150.0f, g = 20.0f, b = -5.0f;
  scolorrgb(3, nm, r, g, b, 1);
  EXPECT_EQ(name(3), "Chartreu");
  EXPECT_EQ(rgb(3), std::make_tuple(100.0f, 20.0f, 0.0f));
  EXPECT_EQ(count(con_->lines(), " Problem in subroutine: scolorgb"), 2);
  // An index outside the table is refused.
  start();
  plt2blk.NBCOLOR = 4;
  for (std::int32_t icol : {5, -1}) scolorrgb(icol, nm, r, g, b, 2);
  EXPECT_EQ(count(con_->lines(), " When color index range = [0,  4]"), 2);
  EXPECT_EQ(rgb(5), std::make_tuple(0.0f, 100.0f, 100.0f));
  // The menu: a new name and components, then applied.
  start("20\nLilac\n30\n80\n\n90\n\n");
  nm = fixed::blanks(25);
  scolorrgb(17, nm, r, g, b, 2);
  // clang-format off
  EXPECT_TRUE(shows({kAt, " @ subroutine scolorgb              v3.1 2024-02-13",
      " @=================================================", "                SETTING COLOR               ",
      kDashes, " max nb of colors ... =  18", " current nb of colors =  18", kDashes,
      " MODIFYING SETTING FOR COLOR INDEX =  17", kDashes, " Color name:", " current = Violet  ",
      " new     = Violet                   ", " change new name........................20",
      " -----------------------------------------", " RGB components:", "        |   red% | green% |  blue% |",
      " current|   50.0 |    0.0 |  100.0 |", "     new|   50.0 |    0.0 |  100.0 |",
      " change new rgb setting ................30", kDashes, " DO NOT APPLY NEW SETTINGS AND EXIT ....98",
      " APPLY NEW SETTINGS AND EXIT ...........99", kAt}));
  // clang-format on
  EXPECT_TRUE(shows({" new     = Lilac                    "}));
  EXPECT_TRUE(shows({" current|   50.0 |    0.0 |  100.0 |", "     new|   80.0 |    0.0 |   90.0 |"}));
  EXPECT_EQ(name(17), "Lilac   ");
  EXPECT_EQ(rgb(17), std::make_tuple(80.0f, 0.0f, 90.0f));
  // Cancelled, nothing is stored.
  start("30\n1\n1\n1\n98\n");
  scolorrgb(17, nm, r, g, b, 4);
  EXPECT_TRUE(shows({" INITIALIZING Color nb =  17 as 50% Grey"}));
  EXPECT_EQ(rgb(17), std::make_tuple(50.0f, 0.0f, 100.0f));
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(1.0f, 1.0f, 1.0f));
}

TEST_F(Colours, TableMenuWhole) {
  start("100\n10\n1\n99\n99\n");
  scolortable(0);
  // After the number of colours went down to 1: two rows.
  EXPECT_TRUE(shows({" |index|      name|   red% | green% |  blue% |",
                     " |   0 |  White-bk|  100.0 |  100.0 |  100.0 |",
                     " |   1 |  Black   |    0.0 |    0.0 |    0.0 |", kDashes,
                     " change nb of colors ..........100    1"}));
  EXPECT_FALSE(plt2blk.LCOLORPLOT);
  EXPECT_EQ(con_->unread(), "");
}

TEST_F(Colours, FilesReadRecordByRecord) {
  const std::string five =
      "4\n0 100 100 100 White\n1,0,0,0,Black\n2 50 50 50 'Half grey'\n3 1 2 3 x\n4 5 6 7 y\n";
  // What, the file's text; NBCOLOR left, an entry to look at with its name and red, and lines shown.
  using FileCase = std::tuple<std::string, std::string, std::int32_t, int, std::string, float, Lines>;

  // clang-format off
  const FileCase cases[] = {
      {"five records", five, 4, 2, "Half gre", 50, {" Could read up to:   18 DATA", " Actually read   :    4 DATA",
        " |   2 |  Half gre|   50.0 |   50.0 |   50.0 |"}},
      {"count too high", "25\n" + std::string(19 * 2, ' ') + "\n18 1 2 3 last\n", 18, 18, "last    ", 1,
        {" trying to set nb of color  =  25", " END OF FILE REACHED UNEXPECTEDLY",
        " WHILE READING LINE NUMBER     3"}},
      {"file ends early", "18\n0 1 1 1 a\n1 2 2 2 b\n2 3 3 3 c\n3 4 4 4 d\n4 5 5 5 e\n5 6 6 6 f\n6 7 7 7 g\n"
        "7 8 8 8 h\n8 9 9 9 i\n9 10 10 10 j\n", 18, 9, "j       ", 10, {" END OF FILE REACHED UNEXPECTEDLY",
        " WHILE READING LINE NUMBER    12", " Input file t.txt is closed"}},
      {"index out of the table", "1\n5 1 1 1 five\n1 2 2 2 one\n", 1, 1, "one     ", 2,
        {" trying to set color nb =   5", " When color index range = [0,  1]", " Actually read   :    1 DATA"}},
      {"words and quotes", "1\n0 1 1 1 Spring Green\n1 1 1 1 \"Spring Green\"\n", 1, 1, "Spring G", 1, {}},
      {"a record over two lines", "1\n\n0 100 0\n\n 0 'Red one' trailing words\n1 0 0 1 'it''s'\n", 1, 1, "it's    ",
        0, {" Actually read   :    1 DATA"}},
      {"letters for the count", "four\n", 18, 5, "Cyan    ", 0, {" WHILE READING LINE NUMBER     1",
        " Input file t.txt is closed"}},
      {"integer overflow", "99999999999\n", 18, 0, "White-bk", 100, {" WHILE READING LINE NUMBER     1"}},
  };
  // clang-format on
  for (const auto& [what, text, nb, entry, entry_name, red, shown] : cases) {
    SCOPED_TRACE(what);
    start("300\nt.txt\n99\n");
    dir_.file("t.txt", text);
    scolortable(2);
    EXPECT_EQ(std::make_tuple(plt2blk.NBCOLOR, name(entry), plt2blk.RED(entry)),
              std::make_tuple(nb, entry_name, red));
    for (const auto& l : shown) EXPECT_TRUE(shows({l})) << l;
    // The menu comes back after the file, and the file is closed.
    EXPECT_EQ(count(con_->lines(), " read color table from file ...300"), 2);
    EXPECT_FALSE(gral::unit_is_open(20));
  }
  // Each bad record is a read error at its line: nothing of it reaches the table.
  for (const std::string& bad : std::vector<std::string>{
           "0,,1,1,a", ",0,1,1,1,a", "0 1 1 1 /", "0 nan 1 1 a", "0 1 -inf 1 a", "0x0 1 1 1 a",
           "0 1e39 1 1 a", "0.0 1 1 1 a", std::string(300000, '7') + " 1 1 1 a"}) {
    start("300\nt.txt\n99\n");
    dir_.file("t.txt", "1\n" + bad + "\n");
    scolortable(2);
    EXPECT_EQ(std::make_tuple(plt2blk.NBCOLOR, name(0), plt2blk.RED(0)),
              std::make_tuple(1, "White-bk", 100.0f));
    EXPECT_TRUE(shows({" WHILE READING LINE NUMBER     2"})) << bad.substr(0, 20);
  }
}

TEST_F(Colours, FileThatIsNotARegularFileIsAskedForAgain) {
  // A directory and a device are asked for again; a FIFO with no writer
  // reads as an empty file at once.
  std::filesystem::create_directory("adir");
  ASSERT_EQ(mkfifo("fifo", 0600), 0);
  dir_.file("ok.txt", "1\n0 1 1 1 a\n1 1 1 1 b\n");
  start("300\nadir\n/dev/zero\nok.txt\n300\nfifo\n99\n");
  scolortable(2);
  EXPECT_EQ(count(con_->lines(), " COULD NOT OPEN color table input FILE"), 2);
  EXPECT_EQ(name(1), "b       ");
  EXPECT_TRUE(shows({" END OF FILE REACHED UNEXPECTEDLY", " WHILE READING LINE NUMBER     1",
                     " Input file fifo is closed"}));
  EXPECT_EQ(con_->unread(), "");
}

}  // namespace
