// The operations layer's state, all of it: the message window's history, the alert, the
// help viewer's page and the version line once read.
#pragma once

namespace vx {

struct OpsState {
  // The message numbers shown now and before, and the one up when a popup opened.
  int currentmessage = -1;
  int previousmessage = -1;
  int rememberedmessage = -1;
  bool alertshown = false;
  int helppage = 0;  // the page the next call in mode 1 shows, from 0
  // At most 79 characters, read once; empty until a line has been found.
  char versionline[80] = "";
};

extern OpsState ops;

// Everything as an interface just brought up has it: no message shown or remembered, no
// alert, the help at its first page, no version line read.
void resetops();

}  // namespace vx
