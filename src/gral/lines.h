// Console lines every library writes: a `1X, A` body line, a built record,
// a rule of n characters and a record of items each after one blank. Menus,
// warnings and announcements use these instead of local copies, so a layout
// rule lives in one place.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "gral/format.h"

namespace gral {

// One `1X, A` record on the standard output unit.
void say(std::string_view text);
// One built record on the standard output unit.
void say(const Rec& r);
// One `1X, A` record on the error output unit.
void say_err(std::string_view text);
// One built record on the error output unit.
void say_err(const Rec& r);

// The widths of the frames' rule and of the menus' title rule.
inline constexpr int kFrameRule = 50;
inline constexpr int kMenuRule = 43;
// The dotted rule around a question at output level 2.
inline constexpr int kDotRule = 42;

// n characters c (the menus' rules are `1X, A` of such a text).
std::string rule_text(int n, char c = '-');
// A rule of n characters c as one `1X, A` record on standard output, on the
// error output unit, or on any unit.
void say_rule(int n, char c = '-');
void say_err_rule(int n, char c = '-');
void put_rule(int unit, int n, char c);

// The `1X, A, 1X, A, ...` record: every item after one blank. Numbers are
// formatted by the caller (gral::fmt_i, fmt_f, ...) so each keeps its field.
std::string items(std::initializer_list<std::string_view> parts);
void say_items(std::initializer_list<std::string_view> parts);
void say_err_items(std::initializer_list<std::string_view> parts);

}  // namespace gral
