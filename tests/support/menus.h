// The pieces of a menu transcript that every set-up menu shares: the frame's
// head and the question of the choice, at output level 2 or without it.
#pragma once

#include <string>

#include "records/sio.h"
#include "support/expect.h"

namespace testing_support {

// The head of a routine's menu frame around its title line.
inline Lines menu_head(const std::string& title) {
  return {rule('@'), title, " @" + std::string(49, '=')};
}

// "your choice" with its default 99, and the echo of the answer.
inline Lines choice(const std::string& echo, bool level2 = true) {
  if (!level2) return {" Enter your choice", echo};
  return {kDots, " Enter your choice", " or return for default value", " Default =           99", echo,
          kDots};
}

// The screen's records while f runs against the keyboard, with output level 2
// on (menus listed) or off (as while a command file is read), not pausing.
template <class F>
Lines menu_transcript(const std::string& keyboard, bool level2, F&& f) {
  return run_with(keyboard,
                  [&] {
                    iocom.LWITO(2) = level2;
                    iocom.LPAUSE = false;
                    f();
                  })
      .lines;
}

}  // namespace testing_support
