#pragma once

namespace vrk {

// After a command that printed to standard output: a write that failed (a
// full disk, a closed output) must not pass for success, so the message goes
// to standard error and a status of 0 becomes 1.
int checkStandardOutput(int status);

}  // namespace vrk
