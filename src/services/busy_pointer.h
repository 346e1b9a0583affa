// The busy (hourglass) mouse pointer shown while a long operation runs.
#pragma once

class BusyPointer {
 public:
  virtual ~BusyPointer() = default;
  virtual void SetBusy(bool busy) = 0;
};

// Shows the busy pointer for its lifetime, so every way out of an operation restores the pointer.
class BusyScope {
 public:
  explicit BusyScope(BusyPointer& pointer) : pointer_(pointer) { pointer_.SetBusy(true); }
  ~BusyScope() { pointer_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  BusyPointer& pointer_;
};
