// Menu, warning and error frames. Every head names the routine that opened
// it; the tails of warnings and errors pause for Return at the keyboard.
#pragma once

#include <string_view>

// A routine's identification: name, version and date, handed to its frames.
struct Stamp {
  std::string_view name;
  std::string_view vers;
  std::string_view date;
};

void mainmenuhead(std::string_view name, std::string_view vers, std::string_view date);
void submenuhead(std::string_view name, std::string_view vers, std::string_view date);
void menutail();
void warninghead(std::string_view name, std::string_view vers, std::string_view date);
void warningtail00();
void errorhead(std::string_view name, std::string_view vers, std::string_view date);
void errortail00();

inline void mainmenuhead(const Stamp& s) {
  mainmenuhead(s.name, s.vers, s.date);
}
inline void submenuhead(const Stamp& s) {
  submenuhead(s.name, s.vers, s.date);
}
inline void warninghead(const Stamp& s) {
  warninghead(s.name, s.vers, s.date);
}
inline void errorhead(const Stamp& s) {
  errorhead(s.name, s.vers, s.date);
}
