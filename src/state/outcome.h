// The result of a core operation that can fail for a reason the user must be told.
#pragma once

#include <string>
#include <utility>

struct Outcome {
  bool ok = true;
  std::string message;  // shown to the user (titled "RIPADES") when !ok, or as a warning when ok

  static Outcome Success() { return {}; }
  static Outcome Failure(std::string text) { return {false, std::move(text)}; }
  // The operation did its work, but the user must be told what it left out.
  static Outcome Warning(std::string text) { return {true, std::move(text)}; }
  explicit operator bool() const { return ok; }
};
