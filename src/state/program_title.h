// The program's names: short name, full title (shown on the title view, the report banner, the about
// box and the first line of an input data file) and the application title of untitled message boxes.
#pragma once

inline constexpr const char* kProgramName = "RIPADES";
inline constexpr const char* kProgramTitleFirstPart = "Rigid Airfield Pavement Design";
inline constexpr const char* kProgramTitleSecondPart = "by the Westergaard Edge Stress Method";
inline constexpr const char* kProgramTitle = "Rigid Airfield Pavement Design by the Westergaard Edge Stress Method";
inline constexpr const char* kApplicationTitle = "ripades20";
