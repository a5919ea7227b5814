// A keyboard that reads the screen before it answers, as a user does who
// knows what to type next but not which answers the program will refuse:
// a pause gets Return, a refused or unreadable answer is followed by Return
// (the default, asked again), the error questions are answered so that the
// run goes on, and every other question takes the next planned answer. A
// planned answer is taken when the program echoes it as the new value of a
// question other than a menu's choice; a refused one never is.
#pragma once

#include <deque>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "gral/runend.h"
#include "gral/units.h"
#include "support/console.h"

namespace testing_support {

class AnsweringKeyboard : public std::streambuf {
 public:
  // A planned answer that stands for the defaults of every question up to
  // the main menu's choice.
  static constexpr const char* kToMainMenu = "<back to the main menu>";

  AnsweringKeyboard(Lines planned, std::ostringstream& screen)
      : planned_(planned.begin(), planned.end()), screen_(screen) {}

  // The screen's last lines, for a failure's message.
  std::string tail() const { return seen_; }
  bool all_answered() const { return planned_.empty(); }
  // Whether the i-th planned answer was taken.
  bool taken(std::size_t i) const { return i < taken_.size() && taken_[i]; }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::string fresh = screen_.str();
    screen_.str("");
    seen_ = (seen_.size() > 4000 ? seen_.substr(seen_.size() - 4000) : seen_) + fresh + "[read]\n";
    const auto shows = [&](const char* text) { return fresh.find(text) != std::string::npos; };
    if (echo_due_) taken_.back() = shows(" New value =");
    echo_due_ = false;
    if (shows(" outside [") || shows(" ==> RETRYING")) refused_ = true;
    if (shows("WARNING ") || shows("ERROR ")) framed_ = true;
    const auto enter = fresh.rfind("\n Enter ");
    const std::string question =
        enter == std::string::npos ? "" : fresh.substr(enter + 1, fresh.find('\n', enter + 1) - enter - 1);
    std::string answer;
    if (shows("\n STOP ?\n")) {
      answer = "n";
    } else if (shows("\n RESUME ?\n")) {
      answer = "y";
    } else if (fresh.ends_with("===> HIT RETURN TO CONTINUE\n")) {
      answer = "";
    } else if (refused_) {
      refused_ = false;
    } else if (framed_ && question == asked_ && question != " Enter your choice") {
      // A value reset by a warning and offered again: take it.
    } else if (!planned_.empty() && planned_.front() == kToMainMenu && !at_main_menu(fresh)) {
      // Every menu on the way back takes its default, which leaves it; a
      // question without one passes over the empty line and reads again.
      answer = fresh.empty() ? "99" : "";
    } else if (!planned_.empty() && (planned_.front() != kToMainMenu || planned_.size() > 1)) {
      if (planned_.front() == kToMainMenu) {
        planned_.pop_front();
        taken_.push_back(false);
      }
      answer = planned_.front();
      planned_.pop_front();
      taken_.push_back(false);
      // A menu's choice, asked without a range, stores no value.
      echo_due_ = question != " Enter your choice" || fresh.find("\n inside  [", enter) != std::string::npos;
      asked_ = question;
      framed_ = false;
    } else {
      return traits_type::eof();
    }
    line_ = answer + "\n";
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  static bool at_main_menu(const std::string& fresh) {
    return fresh.ends_with(" Enter your choice\n") && fresh.find("QUIT PROGRAM") != std::string::npos;
  }

  std::deque<std::string> planned_;
  std::ostringstream& screen_;
  std::string line_, seen_, asked_;
  std::vector<bool> taken_;
  bool refused_ = false, framed_ = false, echo_due_ = false;
};

// The whole program on such a keyboard; the first planned answer is the
// header's Return. Returns the exit status.
template <class Run>
int run_answering(AnsweringKeyboard& keyboard, std::ostringstream& screen, Run&& run) {
  std::istream in(&keyboard);
  gral::bind_console(in, screen);
  iocom = IoCom{};
  gral::set_end_of_input_status(1);
  gral::run_end_hooks() = gral::RunEndHooks{};
  const int status = run();
  gral::bind_standard_console();
  return status;
}

}  // namespace testing_support
