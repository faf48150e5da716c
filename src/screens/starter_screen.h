#pragma once

namespace vrk {

class Console;
struct Team;

// The user picks the team's starting pitcher. Under the days-off rule a
// pitcher who still needs rest is started only when the user confirms.
// Returns his roster entry, or 0 when the user backs out with ESC (offered
// only when `escapeAllowed`).
int StarterScreen(Console& console, const Team& team, bool daysOffRule, bool escapeAllowed);

}  // namespace vrk
