// The "CONVERSION SET UP" dialogues of the two user-to-centimetre setters.
// They only edit their arguments; the setters store and build the map.
#include <cstdint>
#include <string>
#include <string_view>

#include "gral/format.h"
#include "gral/frames.h"
#include "gral/lines.h"
#include "gral/prompts.h"
#include "plot/plot.h"
#include "plot/subplot_maps.h"
#include "records/sio.h"

namespace {

constexpr Stamp kMus2cm1{"mus2cm1             ", " 6.6", "2019-10-02"};
constexpr Stamp kMus2cm3{"mus2cm3             ", " 4.5", "2019-10-02"};

// The set-up pictures are 42 characters wide.
constexpr int kPicture = 42;

// The head shared by both pictures: the title and the two frames.
void title() {
  gral::say_rule(kPicture, '=');
  gral::say("          CONVERSION SET UP               ");
  gral::say_rule(kPicture, '=');
}

void current_setup_head() {
  gral::say_rule(kPicture, '=');
  gral::say("            Current set up:");
  gral::say_rule(kPicture, '=');
}

bool wants_change() {
  bool alter = false;
  std::int32_t status = 0;
  inlogicdef(alter, "Do you want to alter this", false, status);
  return alter;
}

void ask(float& value, std::string_view question) {
  std::int32_t status = 0;
  inrealdef(value, question, value, status);
}

void explain_offset_matrix(float xcm0, float ycm0, float xx, float xy, float yx, float yy) {
  title();
  gral::say("|  cm  |                   |user units|");
  gral::say("|  on  | <---------------- |   used   |");
  gral::say("| plot |                   | in calls |");
  gral::say("");
  gral::say(" |xcm|                         |xu|");
  gral::say(" |   | <---------------------- |  |");
  gral::say(" |ycm|                         |yu|");
  gral::say("");
  gral::say(" |xcm|     |xx   xy|   |xu|   |xcm0|");
  gral::say(" |   |  =  |       | * |  | + |    |");
  gral::say(" |ycm|     |yx   yy|   |yu|   |ycm0|");
  current_setup_head();
  auto row = [](std::string_view cm, float m1, float m2, std::string_view us, float offset) {
    gral::say(gral::Rec()
                  .X()
                  .A(cm)
                  .X(3)
                  .A("|")
                  .F(m1, 7, 3)
                  .X()
                  .F(m2, 7, 3)
                  .A("|")
                  .X(3)
                  .A(us)
                  .X(3)
                  .A("|")
                  .F(offset, 7, 3)
                  .A("|"));
  };
  row("|xcm|", xx, xy, "|xu|", xcm0);
  gral::say(
      gral::Rec().X().A("|   |").A(" = ").A("|").X(15).A("|").A(" * ").A("|  |").A(" + ").A("|").X(7).A("|"));
  row("|ycm|", yx, yy, "|yu|", ycm0);
  gral::say_rule(kPicture, '=');
}

void explain_window(float xcm0, float ycm0, float xlcm, float ylcm, float xumin, float xumax, float yumin,
                    float yumax, std::int32_t ixy) {
  title();
  gral::say("|  cm  |                     |user units|");
  gral::say("|  on  | <------------------ |   used   |");
  gral::say("| plot |                     | in calls |");
  gral::say("");
  gral::say(" |xcm|                           |xu|");
  gral::say(" |   | <------------------------ |  |");
  gral::say(" |ycm|                           |yu|");
  current_setup_head();

  gral::say_rule(kPicture, '-');
  gral::say("     1 - USER UNITS IN USER SPACE         ");
  gral::say_rule(kPicture, '-');
  gral::say(gral::Rec().X().A("   _|_________________|_  yumax = ").F(yumax, 9, 3));
  gral::say("    |                 |");
  gral::say("    |                 |");
  gral::say(gral::Rec().X().A("   _|_________________|_  yumin = ").F(yumin, 9, 3));
  gral::say("    |                 |");
  gral::say("  xumin             xumax");
  gral::say(gral::Rec().X(2).F(xumin, 9, 3).X(9).F(xumax, 9, 3));
  gral::say("");
  gral::say(" user limits:          xu,yu in user units");
  gral::say(gral::Rec().X().A(" xumin = ").F(xumin, 9, 3).X().A(" yumin = ").F(yumin, 9, 3));
  gral::say(gral::Rec().X().A(" xumax = ").F(xumax, 9, 3).X().A(" yumax = ").F(yumax, 9, 3));

  gral::say_rule(kPicture, '-');
  gral::say("     2 - CM UNITS ON PLOT                 ");
  gral::say_rule(kPicture, '-');
  gral::say("   _|_________________|_  ");
  gral::say("    |                 |  |");
  gral::say(gral::Rec().X().A("    |                 |  | ylcm = ").F(ylcm, 9, 3));
  gral::say(gral::Rec().X().A("   _|_________________|_ | _ ycm0 = ").F(ycm0, 9, 3));
  gral::say("    |                 |");
  gral::say("    <---- xlcm -------> ");
  gral::say(gral::Rec().X().A("    |   ").F(xlcm, 9, 3));
  gral::say(gral::Rec().X().A("  xcm0 = ").F(xcm0, 9, 3));
  gral::say("");
  gral::say(" paper limits:               xcm,ycm in cm");
  gral::say(gral::Rec().X().A(" xlcm  = ").F(xlcm, 9, 3).X().A(" ylcm  = ").F(ylcm, 9, 3));
  gral::say(gral::Rec().X().A(" xcm0  = ").F(xcm0, 9, 3).X().A(" ycm0  = ").F(ycm0, 9, 3));
  gral::say_rule(kPicture, '-');
  if (ixy == 1) {
    gral::say("X & Y scale imposed equal");
  } else if (ixy == 0) {
    gral::say("X & Y scale will adjust xlcm & ylcm");
  } else {
    gral::say(gral::Rec().X().A("WARNING: ixy = ").X().I(ixy, 8).X().A(" neither 0 nor 1"));
    gral::say("      will have same effect as ixy = 0");
  }
  gral::say_rule(kPicture, '-');
}

}  // namespace

void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy) {
  submenuhead(kMus2cm1);
  if (iocom.LWITO(2)) explain_offset_matrix(xcm0, ycm0, xx, xy, yx, yy);
  if (!wants_change()) return;
  ask(xcm0, "xcm0");
  ask(ycm0, "ycm0");
  ask(xx, "xx");
  ask(xy, "xy");
  ask(yx, "yx");
  ask(yy, "yy");
}

void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax, float& yumin,
             float& yumax, std::int32_t& ixy) {
  submenuhead(kMus2cm3);
  if (iocom.LWITO(2)) explain_window(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, ixy);
  if (!wants_change()) return;
  ask(xumin, "xumin");
  ask(xumax, "xumax");
  ask(yumin, "yumin");
  ask(yumax, "yumax");
  ask(xcm0, "xcm0");
  ask(ycm0, "ycm0");
  ask(xlcm, "xlcm");
  ask(ylcm, "ylcm");
  std::int32_t status = 0;
  inintegvindef(ixy, "Whether X scale = Y scale (0/1) ?", ixy, 0, 1, status);
}
