// Every shared record back to its start value, so that no test or benchmark
// sees what another left behind. A new record gets its line here.
#pragma once

#include "records/angles.h"
#include "records/axis.h"
#include "records/plot.h"
#include "records/psparam.h"
#include "records/runinfo.h"
#include "records/sio.h"

namespace testing_support {

inline void reset_records() {
  iocom = IoCom{};
  anglerad = AngleRad{};
  angleradi = AngleRadI{};
  anglerads = AngleRadS{};
  axisblk7a = AxisBlk7a{};
  axisblk7b = AxisBlk7b{};
  plt1blk = Plt1Blk{};
  plt2blk = Plt2Blk{};
  pltcharblk = PltCharBlk{};
  pltbuff1 = PltBuff1{};
  psparams_90 = PsParams90{};
  runinfo3com = RunInfo3Com{};
}

}  // namespace testing_support
