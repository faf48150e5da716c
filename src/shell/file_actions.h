#pragma once
#include <string>
#include <string_view>

#include "presentation/console.h"
#include "shell/session.h"

namespace vrk {

// What the file lists' V, E and A keys do with a file.

// Shows a text file in the file viewer.
void viewFile(Console& console, Session& session, const std::string& path);

// Opens the file in the editor of EDITOR=, in the foreground (the screen is
// handed over and drawn again afterwards); never through a shell.
void editFile(Console& console, Session& session, const std::string& path);

// Starts the AUX= program on the file without waiting for it.
void auxFile(Console& console, Session& session, const std::string& path);

// A message box in the middle of the play area, closed by a key.
void tellUser(Console& console, const Session& session, std::string_view text);

}  // namespace vrk
