// The platform services a window talks to, handed in together so that tests can script them.
#pragma once

#include "services/busy_pointer.h"
#include "services/details_dialog.h"
#include "services/file_dialogs.h"
#include "services/message_box.h"
#include "services/printer.h"

struct PlatformServices {
  MessageBox& messages;
  BusyPointer& busy;
  FileDialogs& files;
  Printer& printer;
  DetailsDialog& details;
};
