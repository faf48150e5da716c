#include "presentation/status_bar.h"

#include "presentation/console_keys.h"

namespace vrk {

namespace {

// Appends `gap`, then a word answering `key`; its first letter is drawn in
// the highlight colour when asked.
void addWord(StatusBarLine& line, std::string_view gap, std::string_view word, char key,
             bool highlightLetter) {
    line.text += gap;
    const int first = static_cast<int>(line.text.size()) + 1;
    line.text += word;
    line.zones.push_back({0, first, static_cast<int>(line.text.size()), key});
    if (highlightLetter) line.highlightColumns.push_back(first);
}

}  // namespace

StatusBarLine statusBarLine(const StatusBarSettings& s) {
    StatusBarLine line;
    line.text = std::string(kStatusBarTitle) + " ";
    std::string mode = s.mode;
    mode.resize(8, ' ');
    line.text += mode;
    switch (s.bar) {
        case KeyBar::Watch:
            addWord(line, " ", "Options", 'O', true);
            addWord(line, "  ", "Box", 'B', true);
            addWord(line, "  ", "Card", 'C', true);
            addWord(line, "  ", "Results", 'R', true);
            line.text += " ";
            if (s.playDelay == 0) {
                addWord(line, " ", "Toggle Display", 'T', true);
                addWord(line, "  ", "Quit", 'Q', true);
                line.text += " ";
            }
            break;
        case KeyBar::UserSide:
            addWord(line, "  ", "Options", 'O', false);
            addWord(line, "  ", "Box", 'B', false);
            addWord(line, "  ", "Card", 'C', false);
            addWord(line, "  ", "Doc", 'D', false);
            line.text += "  ";
            if (s.visitorsKey) {
                addWord(line, "", std::string(1, s.visitorsLetter) + "=Visi", s.visitorsLetter,
                        false);
                line.text += "  ";
            }
            if (s.homeKey) {
                addWord(line, "", std::string(1, s.homeLetter) + "=Home", s.homeLetter, false);
                line.text += "  ";
            }
            addWord(line, "", "Quit", 'Q', false);
            line.text += " ";
            break;
        case KeyBar::EndOfGame:
            addWord(line, " ", "New", 'N', true);
            addWord(line, "  ", "Box", 'B', true);
            addWord(line, "  ", "Card", 'C', true);
            addWord(line, "  ", "Results", 'R', true);
            addWord(line, "  ", "Stats", 'S', true);
            addWord(line, "  ", "Doc", 'D', true);
            addWord(line, "  ", "Quit", 'Q', true);
            line.text += " ";
            break;
    }
    return line;
}

std::vector<HotZone> drawStatusBar(Console& console, const StatusBarSettings& settings) {
    StatusBarLine line = statusBarLine(settings);
    const int row = console.rows();
    const int left = playAreaLeft(console.cols());
    const std::size_t width = static_cast<std::size_t>(std::min(console.cols(), 80));
    if (line.text.size() > width) line.text.resize(width);
    std::string shown = line.text;
    shown.resize(width, ' ');
    console.fillArea(row, 1, 1, console.cols(), settings.attribute);
    console.printAt(row, left + 1, shown, settings.attribute);
    for (int col : line.highlightColumns) {
        if (col > static_cast<int>(line.text.size())) continue;
        console.printAt(row, left + col,
                        std::string(1, line.text[static_cast<std::size_t>(col - 1)]),
                        settings.highlight);
    }
    std::vector<HotZone> zones;
    for (HotZone z : line.zones) {
        if (z.lastCol > static_cast<int>(line.text.size())) continue;
        z.row = row;
        z.firstCol += left;
        z.lastCol += left;
        zones.push_back(z);
    }
    return zones;
}

char hotZoneKey(const std::vector<HotZone>& zones, std::string_view code) {
    const auto event = parseMouseCode(code);
    if (!event || (event->kind != MouseKind::LeftClick && event->kind != MouseKind::DoubleClick))
        return 0;
    for (const HotZone& z : zones) {
        if (event->row == z.row && event->col >= z.firstCol && event->col <= z.lastCol)
            return z.key;
    }
    return 0;
}

}  // namespace vrk
