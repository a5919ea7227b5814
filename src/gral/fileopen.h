// Opening of every named file: the opening is announced, the name can be
// asked with the current one as default, and a failure is retried, passed
// over or made to end the run. The caller's name receives only the base name
// of the path that was opened, at the caller's own length (an empty name
// takes it at its own length); after a failure the name is left as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// mode: 0 announce, ask the name and offer a retry on failure; 7 silent;
// any other value announces only. igrav: negative reports the failure and
// proceeds; 0, 1 and 2 end the report with the error ending of that stop
// level. iostat: 0 opened, 1 not opened.
void opef1(std::string& filename, std::string_view label, std::int32_t unit, std::string_view status,
           std::string_view action, std::int32_t mode, std::int32_t igrav, std::int32_t& iostat);

// Returns only with the file open: in mode 0 it asks again until a name
// opens; in any other mode a failure ends the run.
void opef2(std::string& filename, std::string_view label, std::int32_t unit, std::string_view status,
           std::int32_t mode);
