#include "plot/attr_common.h"

#include "gral/format.h"
#include "gral/lines.h"

namespace plot_attr {

void say_int(std::string_view text, std::int32_t v, int w) {
  gral::say(gral::Rec().X().A(text).X().I(v, w));
}

void say_real(std::string_view text, float v) {
  gral::say(gral::Rec().X().A(text).X().F(v, 8, 3));
}

void refuse_mode(const Stamp& stamp, std::int32_t inter, std::string_view range, int w) {
  warninghead(stamp);
  say_int("inter =", inter, w);
  if (!range.empty()) gral::say(range);
  gral::say("===> NO ACTION");
  warningtail00();
}

void closed_plot_warning(const Stamp& stamp) {
  warninghead(stamp);
  gral::say("TRYING TO PROPAGATE PLOT ATTRIBUTE");
  gral::say(" WITH CLOSED PLOT FILE");
  gral::say("===> NO ACTION");
  warningtail00();
}

void announce(const Stamp& stamp, std::string_view text) {
  submenuhead(stamp);
  gral::say(text);
}

void dash_rule() {
  gral::say_rule(gral::kMenuRule);
}

}  // namespace plot_attr
