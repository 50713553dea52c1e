// What the benchmark says besides its table: progress and failures go to
// stderr, while the program's own debug messages are counted and dropped.
#pragma once

namespace fmbench {

[[noreturn]] void fail(const char *what);

void progress(const char *what);

// Installs a message handler that counts and drops debug messages, since
// terminal output speed is not the program's.
void dropDebugMessages();

long debugMessagesDropped();

} // namespace fmbench
