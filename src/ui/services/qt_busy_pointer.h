// The busy pointer as the application's override cursor.
#pragma once

#include "services/busy_pointer.h"

class QtBusyPointer : public BusyPointer {
 public:
  ~QtBusyPointer() override;
  void SetBusy(bool busy) override;

 private:
  int depth_ = 0;  // nested operations each show the pointer; the last one to end restores it
};
