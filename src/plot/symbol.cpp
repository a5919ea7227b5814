// Marker-symbol size and type: kept, shown and offered, never drawn.
#include <cstdint>
#include <string_view>

#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/attr_common.h"
#include "plot/plot.h"
#include "records/plot.h"
#include "records/sio.h"

namespace {

using plot_attr::say_int;
using plot_attr::say_real;

constexpr Stamp kSsymbolsize{"ssymbolsize         ", " 3.0", "2020-10-14"};
constexpr Stamp kSsymboltype{"ssymboltype         ", " 2.6", "2019-10-04"};

constexpr std::int32_t kTableOnly = 102;
constexpr std::int32_t kAskOnly = 200;

constexpr std::string_view kSymbolTable[24] = {
    "circle   .................. 0", "circle   .................. 1", "circle   .................. 2",
    "triangle .................. 3", "square   .................. 4", "pentagon .................. 5",
    "hexagon  .................. 6", "heptagon .................. 7", "octogon  .................. 8",
    "enneagon .................. 9", "   .     ................. 10", "   -     ................. 11",
    "   |     ................. 12", "   +     ................. 13", "   x     ................. 14",
    "   *     ................. 15", "   *     ................. 16", "   *     ................. 17",
    "circle . ................. 20", "circle - ................. 21", "circle | ................. 22",
    "circle + ................. 23", "square   ..................40", "circle   ....... other values",
};

void symbol_table() {
  for (auto line : kSymbolTable) gral::say(line);
}

}  // namespace

void ssymbolsize(float& size, std::int32_t inter) {
  if (inter == 2 || inter == 3) size = plt2blk.SYMBOLSIZE;
  if (inter == 4 || inter == 5) size = 0.4f;
  if (inter == 5) {
    submenuhead(kSsymbolsize);
    say_real("INITIALISING SYMBOL SIZE (cm) =", size);
  }
  if (inter % 2 == 0) {
    submenuhead(kSsymbolsize);
    if (iocom.LWITO(2)) {
      plot_attr::dash_rule();
      gral::say("SYMBOL SIZE (cm):");
      plot_attr::dash_rule();
      say_real("currently stored size =", plt2blk.SYMBOLSIZE);
      say_real("ready to  store  size =", size);
      menutail();
    }
    std::int32_t st = 0;
    inrealdef(size, "symbol size in cm", size, st);
  }
  if (inter >= 0 && inter <= 5) {
    plt2blk.SYMBOLSIZE = size;
  } else {
    plot_attr::refuse_mode(kSsymbolsize, inter, "");
  }
}

void ssymboltype(std::int32_t& itype, std::int32_t inter) {
  if (inter == 2 || inter == 3) itype = plt2blk.ISYMBOLTYPE;
  if (inter == 4 || inter == 5) itype = 1;
  if (inter == 5) {
    submenuhead(kSsymboltype);
    say_int("INITIALISING SYMBOL TYPE =", itype, 4);
  }
  // The table alone; with the explanations off there is nothing to show.
  if (inter == kTableOnly) {
    if (iocom.LWITO(2)) symbol_table();
    return;
  }
  if (inter % 2 == 0) {
    submenuhead(kSsymboltype);
    if (iocom.LWITO(2)) {
      plot_attr::dash_rule();
      gral::say("SYMBOL TYPE:");
      gral::say(" Negative number => filled symbol");
      gral::say(" N.B. Symbols also depend on");
      gral::say("      polygon & line attributes");
      plot_attr::dash_rule();
      if (inter == kAskOnly) {
        say_int("ready to set type =", itype, 4);
      } else {
        say_int("currently stored type =", plt2blk.ISYMBOLTYPE, 4);
        say_int("ready to  store  type =", itype, 4);
      }
      plot_attr::dash_rule();
      gral::say("Symbol type ... symbol number");
      symbol_table();
      menutail();
    }
    std::int32_t st = 0;
    inintegdef(itype, "symbol number", itype, st);
  }
  if (inter >= 0 && inter <= 5) {
    plt2blk.ISYMBOLTYPE = itype;
  } else if (inter != kAskOnly) {
    plot_attr::refuse_mode(kSsymboltype, inter, "", 4);
  }
}
