#pragma once

namespace vrk {

// Argument dispatch: --help, --version, the batch and bench modes, else the
// interactive program. Returns the process exit status.
int runApp(int argc, char** argv);

}  // namespace vrk
