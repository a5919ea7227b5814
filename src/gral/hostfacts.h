// When and where the program runs: local date and time, user, host, system
// version and processor. Each routine writes into the caller's blank-padded
// text at its length (cut or padded); an empty text takes the routine's own
// length. None asks anything; every failure ends in a fallback value.
#pragma once

#include <string>

// Local date as yyyy-mm-dd (10) and time as hh:mm:ss (8), of one reading.
void date10_time8(std::string& date, std::string& time);
// Login name (10), or blanks.
void username(std::string& name);
// Node name (35), or "unknown".
void hostname(std::string& name);
// "Linux_" and the kernel release (13), or "Linux"; warns on failure.
void osversion(std::string& vers);
// Processor model name, shortened (30), or "unknown"; warns on failure.
void hardinfo(std::string& info);
// Starts the commands of osversion and hardinfo together, so that neither
// waits for the other; each routine then waits only for its own. Both
// routines must follow.
void start_host_queries();
