// The two pages of the about box: credits and information, lines separated by CR LF.
#pragma once

#include <string>

// "RIPADES 2.0", the full title, where and by whom the program was developed and under whose supervision.
std::string AboutCreditsText();
// What the design procedures rest on, and where to send questions and comments.
std::string AboutInformationText();
