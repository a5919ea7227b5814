// Command files: a text file of answers read in place of the keyboard.
#pragma once

#include <cstdint>
#include <string>

// The command-file menu (main-menu code 5000).
void altsio2(std::string& cmdfile, std::int32_t& irep, std::int32_t mode);
// Opens a command file and redirects standard input to it.
void beginaltsi2(std::string& cmdfile, std::int32_t mode);
// Closes the command file and gives standard input back to the keyboard.
void endaltsi2(const std::string& cmdfile, std::int32_t mode);

namespace gral {
// The command file ended without its closing records: it is closed as by
// "EXIT COMMAND FILE AND CONTINUE", announcement included.
void command_file_ran_out();
}  // namespace gral
