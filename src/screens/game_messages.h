#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/config.h"
#include "engine/game.h"
#include "presentation/console.h"

namespace vrk {

inline constexpr int kPromptAttribute = 15 + 16 * 1;   // bright white on blue
inline constexpr int kRefusalAttribute = 15 + 16 * 4;  // bright white on red

// A message box over the middle of the play area, waiting for a key;
// returns the key.
std::string tellUser(Console& console, std::string_view text, int attribute = kPromptAttribute);

// A one-line question at the play area's middle, answered by one key; the
// key is returned as it was typed (upper-cased letters).
char askKey(Console& console, std::string_view question);

// Yes/no question: `defaultYes` is the answer for any key but Y and N.
bool askYesNo(Console& console, std::string_view question, bool defaultYes);

// The box score of the game as it stands, written to ~BOX.PRN in the
// write folder and shown in the text viewer.
void showBoxScoreSoFar(Console& console, const Config& config, const Game& game);
// The game's score card in its viewer.
void showScoreCard(Console& console, const Config& config, const std::vector<std::string>& lines);

inline constexpr std::string_view kDocumentationMissing =
    " BASEBALL.RTF or BASEBALL.DOC not found in current directory";

// Opens BASEBALL.RTF, else BASEBALL.DOC, of the home folder with the word
// processor, or says that neither is there. `launch` starts the program
// (empty: the system's).
void showDocumentation(Console& console, const Config& config,
                       const std::function<bool(const std::vector<std::string>&)>& launch = {});

}  // namespace vrk
