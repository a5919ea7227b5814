// Run information: routine chain, command, run-information code, start
// clocks and host facts.
#pragma once

#include <cstdint>
#include <string>

#include "records/fixedtext.h"

struct RunInfo3Com {
  std::int32_t IROUTLEV = 0;
  std::int32_t ICMND = 0;
  std::int32_t IRUNINFO = 0;
  std::int32_t ICLOCK0 = 0;
  float CPUTIME0 = 0.0f;
  fixed::Array<std::string, 3> ROUTNAME{{fixed::blanks(11), fixed::blanks(11), fixed::blanks(11)}};
  fixed::Array<std::string, 3> ROUTVERS{{fixed::blanks(4), fixed::blanks(4), fixed::blanks(4)}};
  fixed::Array<std::string, 3> ROUTDATE{{fixed::blanks(10), fixed::blanks(10), fixed::blanks(10)}};
  std::string OSVERS = fixed::blanks(13);
  std::string HARDWINFO = fixed::blanks(30);
  std::string HOSTNAM = fixed::blanks(35);
  std::string USERNAM = fixed::blanks(10);
  std::string RUNDATE = fixed::blanks(10);
  std::string RUNTIME = fixed::blanks(8);
};
inline RunInfo3Com runinfo3com;
