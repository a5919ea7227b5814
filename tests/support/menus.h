// The pieces of a menu transcript that every set-up menu shares: the frame's
// head and the question of the choice, at output level 2 or without it.
#pragma once

#include <string>

#include "support/expect.h"

namespace testing_support {

// The head of a routine's menu frame around its title line.
inline Lines menu_head(const std::string& title) {
  return {rule('@'), title, " @" + std::string(49, '=')};
}
// The tail of a menu frame.
inline const std::string kMenuTail = rule('@');

// "your choice" with its default 99, and the echo of the answer.
inline Lines choice(const std::string& echo, bool level2 = true) {
  if (!level2) return {" Enter your choice", echo};
  return {kDots, " Enter your choice", " or return for default value", " Default =           99", echo,
          kDots};
}

}  // namespace testing_support
