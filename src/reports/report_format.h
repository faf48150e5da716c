#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vrk {

// Where each word of a column header ends (one past its last character):
// report rows put their figures flush right under the words.
std::vector<int> HeaderColumnEnds(std::string_view header);

// A row laid out under a header: `label` from the first column, then each
// value right-aligned to the end of header word i + 1 (the first word heads
// the label). An empty value leaves its column blank; trailing blanks are
// dropped.
std::string AlignedRow(std::string_view label, const std::vector<int>& ends,
                       const std::vector<std::string>& values);

// Fixed decimals ("%.*f").
std::string Fixed(double value, int decimals);
// A rate printed the old way: ".300" below 1, "1.000" from 1 on.
std::string Rate(double value, int decimals);
std::string Count(long value);
// Blank-padded on the left to `width` (longer text is kept whole).
std::string PadLeft(std::string_view text, std::size_t width);

// Appends one line of report text and its line end.
void AddLine(std::string& out, std::string_view line = {});

}  // namespace vrk
