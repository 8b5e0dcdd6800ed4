// --vx-record: writes a session in the replay script format (headless/record.cpp, beside
// the scripts' reader). The event pump feeds it whatever the back-end.
#pragma once

#include "render/platform/backend.h"

namespace vx::platform {

// Starts a recording (fatal when the file cannot be created).
void recordopen(const char* path);
// One message handed to the program; time passed since the last one becomes a wait.
void recordmessage(const Message& message);
// Timer ticks, handed out or slept through.
void recordticks(unsigned long count = 1);
// Ends the recording; harmless when none runs.
void recordclose();

}  // namespace vx::platform
