// What must hold of the window after any gesture: each invariant a function named for what it proves,
// each giving what it found wrong, or nothing.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class frmAircraft;

// The sanitizers make every gesture several times slower and keep freed memory in quarantine.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

struct Finding {
  std::string invariant;  // the name of the invariant that failed
  std::string detail;
};

// The invariants that hold of the window at any moment, checked in turn; the findings of those that fail.
std::vector<Finding> StateFindings(frmAircraft& window);

// The invariant of a step that made a design (`boxes` the texts of the message boxes the step showed):
// when the Thickness box shows a search that found no design, the step warned of it with what the search
// found and what to change.
inline constexpr const char* kNoDesignWarned = "a-search-that-finds-no-design-is-shown-with-its-warning";
std::optional<std::string> NoDesignIsShownWithoutItsWarning(frmAircraft& window, const std::vector<std::string>& boxes);

// Every text the window shows that a gesture may change (inputs, units, thickness, mix grid, report box,
// the views and windows shown, the evaluation panel), by the control that shows it.
using ShownTexts = std::map<std::string, std::string>;
ShownTexts WhatTheWindowShows(frmAircraft& window);
// The inputs and the mix only: what an input data file holds.
ShownTexts InputsAndMix(const ShownTexts& shown);
// The first difference between two snapshots, or nothing when they agree.
std::optional<std::string> FirstDifference(const ShownTexts& before, const ShownTexts& after);
