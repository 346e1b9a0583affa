// The texts of the about box.
#include "ui/about_texts.h"

#include <initializer_list>

#include "state/program_title.h"

namespace {

std::string Joined(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (&line != lines.begin()) text += "\r\n";
    text += line;
  }
  return text;
}

// The contact lines stand indented, apart from the sentence that introduces them.
const std::string kContactIndent(22, ' ');

}  // namespace

std::string AboutCreditsText() {
  return Joined({
      "RIPADES 2.0",
      kProgramTitle,
      "",
      "Developed at the",
      "RIPADES Project",
      "Pavement Engineering Group",
      "International",
      "Release date: December 2026",
      "",
      "Written by",
      "Oringenal  : the RIPADES development team",
      "Version 2  : the RIPADES development team",
      "",
      "Under the Supervision of",
      "the RIPADES project maintainers",
  });
}

std::string AboutInformationText() {
  return Joined({
      "The design procedures of this program are based on",
      "the Westergaard theory of a slab on a dense-liquid subgrade,",
      " and the aircraft data based on ZIRARI Program.",
      "",
      "Questions and comments regarding the program",
      " should be directed to",
      kContactIndent + "the RIPADES development team",
      kContactIndent + "Pavement Engineering Group",
      kContactIndent + "1 Example Street, Example City",
      kContactIndent + "Tel: +1 555 0100",
      kContactIndent + "Fax: +1 555 0101",
      kContactIndent + "Contact: the RIPADES maintainers",
      kContactIndent + "E-mail: ripades@example.org",
      kContactIndent + "Web: https://www.example.org/ripades",
  });
}
