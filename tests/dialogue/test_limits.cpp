// Every number that a menu stores and a drawing later uses, answered at its
// limits, and both plots drawn after each answer: at least one value must be
// taken, the run end by itself (ctest stops a case that does not), the plot
// file stay small and hold numbers only, and the sanitizers find nothing.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "stress/program.h"
#include "support/answering.h"
#include "support/plotfiles.h"
#include "support/plotpage.h"

namespace {

using namespace testing_support;

const Lines kLimits = {"2147483647", "-2147483648", "-1", "0", "3.4e38", "-3.4e38", "1e-45", "-0"};

// The answers that lead from the main menu to the question, and the values
// answered there.
struct Item {
  std::string name;
  Lines to;
  Lines values;
};

void PrintTo(const Item& item, std::ostream* os) {
  *os << item.name;
}

std::vector<Item> items() {
  // A range that holds none of the limits above is answered at its own limits.
  const std::map<std::string, Lines> own = {{"12_10", {"0.01", "1000"}}, {"12_30", {"1", "16"}},
                                            {"12_31", {"0.02", "1000"}}, {"12_50_count", {"1", "18"}},
                                            {"62", {"1", "5"}},          {"65", {"1", "5"}}};
  std::vector<Item> v;
  const auto add = [&](const std::string& name, const Lines& to) {
    const auto range = own.find(name);
    v.push_back({name, to, range == own.end() ? kLimits : range->second});
  };
  for (const char* code : {"51", "52", "53", "54", "55", "56", "60", "61", "62", "63", "65", "66"})
    add(code, {code});
  for (const char* code : {"57", "58"}) add(code, {"50", "n", code});
  for (const auto& [count, first, last] : {std::tuple{"62", "63", "64"}, {"65", "66", "67"}})
    for (const char* code : {first, last}) add(std::string(code) + "_of_5", {count, "5", code});
  // Code 11: the nine answers of one subplot's window.
  for (int sub = 1; sub <= 2; ++sub)
    for (int k = 1; k <= 9; ++k) {
      Lines to = {"11"};
      if (sub == 2) to.push_back("n");
      to.push_back("y");
      to.insert(to.end(), k - 1, "");
      add("11_sub" + std::to_string(sub) + "_" + std::to_string(k), to);
    }
  // Code 12: the attributes, the number of colours and a colour's red.
  for (const char* code : {"10", "12", "20", "21", "30", "31", "32", "33", "34", "40", "41"})
    add(std::string("12_") + code, {"12", code});
  add("12_50_count", {"12", "50", "100", "10"});
  add("12_50_red", {"12", "50", "200", "1", "30"});
  // Code 14: each item of the four axes the plots draw.
  for (const char* axis : {"1", "2", "3", "4"})
    for (const char* code : {"20", "21", "22", "23", "24", "25", "27"})
      add(std::string("14_") + axis + "_" + code, {"14", axis, code});
  return v;
}

class Limits : public PlotFileTest, public ::testing::WithParamInterface<Item> {
 protected:
  void SetUp() override {
    PlotFileTest::SetUp();
    gral::set_platform(&host_);
    // A drawing that never ends must not fill the disk before the test's time runs out.
    getrlimit(RLIMIT_FSIZE, &fsize_);
    rlimit capped = fsize_;
    capped.rlim_cur = 64 << 20;
    setrlimit(RLIMIT_FSIZE, &capped);
  }
  void TearDown() override {
    setrlimit(RLIMIT_FSIZE, &fsize_);
    gral::set_platform(nullptr);
    PlotFileTest::TearDown();
  }
  FakeHost host_;
  rlimit fsize_{};
};

TEST_P(Limits, BothPlotsDrawnAfterEachAnswer) {
  const Item& item = GetParam();
  Lines planned = {"", "10", "y", "limits.ps"};
  std::vector<std::size_t> at;  // where the values stand among the answers
  for (const auto& value : item.values) {
    planned.insert(planned.end(), item.to.begin(), item.to.end());
    at.push_back(planned.size());
    planned.push_back(value);
    planned.push_back(AnsweringKeyboard::kToMainMenu);
    // The first plot shares the page the opening began; each after it takes a new page.
    for (const char* plot : {"100", "200"}) {
      planned.push_back(plot);
      planned.push_back(at.size() == 1 && plot[0] == '1' ? "2" : "");
    }
  }
  planned.insert(planned.end(), {"9999", ""});

  std::ostringstream screen;
  AnsweringKeyboard keyboard(planned, screen);
  const int status = run_answering(keyboard, screen, run_varnholt_pk);

  EXPECT_EQ(status, 0) << keyboard.tail();
  EXPECT_TRUE(keyboard.all_answered()) << keyboard.tail();
  EXPECT_TRUE(std::ranges::any_of(at, [&](std::size_t i) { return keyboard.taken(i); })) << "all refused";
  const Lines file = file_lines("limits.ps");
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(file.back(), "%%EOF");
  const int pages = 2 * static_cast<int>(item.values.size());
  EXPECT_EQ(count(file, pages == 16 ? "%%Pages:  16" : "%%Pages:   4"), 1);
  for (int page = 1; page <= pages; ++page) {
    std::size_t bytes = 0;
    for (const auto& line : page_lines(file, page)) bytes += line.size() + 1;
    EXPECT_LT(bytes, 1u << 20) << "page " << page;
  }
  for (const auto& line : file) ASSERT_FALSE(has_non_number(line)) << line;
}

INSTANTIATE_TEST_SUITE_P(EveryStoredNumber, Limits, ::testing::ValuesIn(items()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
