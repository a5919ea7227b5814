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

// The run-information block on the plot page, at half the stored text
// height, its first line at (x, y) cm and each next line 1.5 heights lower.
void cmplotruninfo2(float x, float y);
// One line of a column of such lines: line n of a column whose first line
// stands at (x, y) cm. idum is not read.
void cmplotcharinfo2(std::string_view text, std::int32_t n, float x, float y, std::int32_t idum);
