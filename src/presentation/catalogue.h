#pragma once
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/rng.h"
#include "engine/message_key.h"
#include "presentation/gender_text.h"

namespace vrk {

inline constexpr int kMaxCatalogueRecords = 1500;
inline constexpr int kCatalogueTextWidth = 71;
inline constexpr int kMaxCategoryCodes = 10;  // also P and S lists
inline constexpr int kMaxDetailCodes = 20;
inline constexpr int kMaxDrawnVariants = 15;

// One text filed under a key: the nine-character record key (message code
// + variant number "001".."999") and the text, at most 71 characters with
// trailing blanks dropped.
struct CatalogueRecord {
    std::string key;
    std::string text;
};

// The play-by-play texts of BASEBALL.MSG, sorted by key.
struct PlayByPlayCatalogue {
    std::vector<CatalogueRecord> records;
};

enum class CatalogueLoadStatus { Loaded, TooManyLines, Error };

// What became of a load. On anything but Loaded the catalogue keeps what it
// held before (nothing on the first load); `message` is the text to show:
// "Too many Play-by-Play lines!" (shown for a second) or "LPP_Error" with
// an error number and the reason (shown until a key is pressed).
struct CatalogueLoad {
    CatalogueLoadStatus status = CatalogueLoadStatus::Loaded;
    int errorNumber = 0;  // 53 no file, 9 list too long, 62 read failure
    int lineNumber = 0;   // line of the file at fault, 0 when none
    std::string message;
    int records = 0;  // records loaded
};

// Reads a catalogue file (BASEBALL.MSG).
CatalogueLoad LoadPlayByPlay(PlayByPlayCatalogue& catalogue, const std::string& path);
// The same from a stream, for text that is not in a file.
CatalogueLoad LoadPlayByPlay(PlayByPlayCatalogue& catalogue, std::istream& in);

// What a lookup needs from the game besides the key and the players.
struct PlayByPlayContext {
    TeamRefs teams{};         // [1] visitors, [2] home
    int currentFielder = 0;   // position 1..9 of the fielder handling the ball, for "#"
    int consoleColumns = 80;  // the cut is half of this minus 2
    // Play delay 0 with both sides computer-managed: texts are wanted only
    // for their wording, so substitution, cut and conversion are skipped.
    bool quickPlay = false;
};

// The text for `key`, one of its first 15 variants at random, with the
// players put in: "@" (full name) or "*" (surname) for the first player,
// "#" the fielder's position, "%" the second player's surname. Players are
// roster entries (0 for none) of the team given beside them.
std::string PlayByPlayText(const PlayByPlayCatalogue& catalogue, const MessageKey& key,
                           int firstPlayer, int firstTeam, int secondPlayer, int secondTeam,
                           const PlayByPlayContext& context, Rng& rng);

// The text of a key that has no entry: "Not found in baseball.msg:" + key.
std::string NotFoundText(const MessageKey& key);

// The fixed word for a fielding position 1..9 ("the mound" .. "right").
std::string_view PositionWord(int position);

// The names the tokens use: the surname (before the comma of "Last, First")
// and the full name "First Last".
std::string PlayerSurname(std::string_view rosterName);
std::string PlayerFullName(std::string_view rosterName);

}  // namespace vrk

namespace vrk {

class Console;

// Finds BASEBALL.MSG in the home directory (any letter case) and loads it.
CatalogueLoad LoadPlayByPlayFromHome(PlayByPlayCatalogue& catalogue,
                                     const std::string& homeDirectory);

// Tells the user about a load that did not complete: a too-long file for a
// second, an error until a key is pressed. Nothing is shown for a good load.
void ShowCatalogueLoadProblem(Console& console, const CatalogueLoad& outcome);

}  // namespace vrk
