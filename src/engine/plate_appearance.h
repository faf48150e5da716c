#pragma once
// The outcome of a plate appearance and the pitches it took.

namespace vrk {

struct Game;

// Pitches of one plate appearance by result kind and the column k (1..10).
enum class PitchColumn { Hit, Strikeout, Out, Walk };
int PitchesFor(PitchColumn column, int k);

// Draws the outcome and hands it to its handler.
void ResolvePlateAppearance(Game& game);

}  // namespace vrk
