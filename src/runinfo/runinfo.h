// The run-information library: the facts of the run kept in runinfo3com,
// the run-information code, and the program header and trailer.
#pragma once

#include <cstdint>
#include <string_view>

#include "records/runinfo.h"

// Starts the run record: the main program's identification (level 1), the
// code reset to 0, user, host, system, processor, start date, time and
// clocks. Called once, first thing after the console set-up.
void smaininfo2(std::string_view name, std::string_view vers, std::string_view date);
// Sets, fetches or asks the run-information code (0 to 3) by mode inter (0 to 5).
void swpinfo(std::int32_t& code, std::int32_t inter);
// The menu command being run.
void scmndinfo(std::int32_t icmnd);

// The framed program header; waits for Return.
void progheadtm2();
// The framed program trailer with elapsed and processor times and a
// closing picture chosen by the clock.
void progtail2();
