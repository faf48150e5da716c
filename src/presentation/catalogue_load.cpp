#include <algorithm>
#include <fstream>

#include "core/paths.h"
#include "core/text_fields.h"
#include "presentation/catalogue.h"

namespace vrk {

namespace {

struct ListLimits {
    std::size_t capacity;
    bool twoDigit;  // category and detail codes; P and S are one character
};

// "3" -> "03", "123" -> "23": the last two characters, zero-padded.
std::string twoCharacterCode(std::string_view code) {
    if (code.size() >= 2) return std::string(code.substr(code.size() - 2));
    return concat({"0", code});
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The codes of a list line: from column 3 up to the first blank, split at
// commas. Whatever follows the blank is a comment. Empty codes (",,") are
// skipped. Returns false when there are more codes than the list holds.
bool readList(std::string_view line, ListLimits limits, std::vector<std::string>& codes) {
    std::string_view rest = fieldToEnd(line, 3);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end])) ++end;
    rest = rest.substr(0, end);
    codes.clear();
    while (!rest.empty()) {
        std::size_t comma = rest.find(',');
        std::string_view code = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        if (code.empty()) continue;
        if (codes.size() == limits.capacity) return false;
        codes.push_back(limits.twoDigit ? twoCharacterCode(code) : std::string(1, code[0]));
    }
    return true;
}

const std::vector<std::string>& orDefault(const std::vector<std::string>& list,
                                          const std::vector<std::string>& fallback) {
    return list.empty() ? fallback : list;
}

CatalogueLoad failure(CatalogueLoadStatus status, int errorNumber, int lineNumber,
                      std::string message) {
    CatalogueLoad result;
    result.status = status;
    result.errorNumber = errorNumber;
    result.lineNumber = lineNumber;
    result.message = std::move(message);
    return result;
}

}  // namespace

CatalogueLoad LoadPlayByPlay(PlayByPlayCatalogue& catalogue, std::istream& in) {
    static const std::vector<std::string> kNoTwoDigit{"00"};
    static const std::vector<std::string> kNoOneChar{"0"};
    std::vector<std::string> categories, pCodes, sCodes, details;
    std::vector<CatalogueRecord> records;

    std::string raw;
    int lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        const std::string_view line = chompCr(raw);
        if (line.empty()) continue;
        bool fits = true;
        switch (line[0]) {
            case 'C':
                fits = readList(line, {kMaxCategoryCodes, true}, categories);
                pCodes.clear();
                sCodes.clear();
                details.clear();
                break;
            case 'P':
                fits = readList(line, {kMaxCategoryCodes, false}, pCodes);
                sCodes.clear();
                details.clear();
                break;
            case 'S':
                fits = readList(line, {kMaxCategoryCodes, false}, sCodes);
                details.clear();
                break;
            case 'D':
                fits = readList(line, {kMaxDetailCodes, true}, details);
                break;
            case ' ': {
                const std::string text(trimRight(field(line, 7, 6 + kCatalogueTextWidth)));
                for (const auto& c : orDefault(categories, kNoTwoDigit))
                    for (const auto& p : orDefault(pCodes, kNoOneChar))
                        for (const auto& s : orDefault(sCodes, kNoOneChar))
                            for (const auto& d : orDefault(details, kNoTwoDigit)) {
                                if (records.size() + 1 > kMaxCatalogueRecords)
                                    return failure(CatalogueLoadStatus::TooManyLines, 0, lineNumber,
                                                   "Too many Play-by-Play lines!");
                                records.push_back({c + p + s + d + "   ", text});
                            }
                break;
            }
            default:  // comments (";") and anything else
                break;
        }
        if (!fits) {
            const int capacity = line[0] == 'D' ? kMaxDetailCodes : kMaxCategoryCodes;
            return failure(CatalogueLoadStatus::Error, 9, lineNumber,
                           "LPP_Error 9: line " + std::to_string(lineNumber) +
                               " of baseball.msg lists more than " + std::to_string(capacity) +
                               " codes");
        }
    }
    if (in.bad())
        return failure(
            CatalogueLoadStatus::Error, 62, lineNumber,
            "LPP_Error 62: baseball.msg could not be read past line " + std::to_string(lineNumber));

    std::stable_sort(records.begin(), records.end(),
                     [](const CatalogueRecord& a, const CatalogueRecord& b) {
                         return a.key.compare(0, 6, b.key, 0, 6) < 0;
                     });
    int variant = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool sameCode = i > 0 && records[i].key.compare(0, 6, records[i - 1].key, 0, 6) == 0;
        variant = sameCode ? variant + 1 : 1;
        // Past 999 variants the number stays at 999: only the first 15 are
        // ever drawn, and "001" must stay unique.
        const int shown = std::min(variant, 999);
        records[i].key.replace(6, 3,
                               std::string{static_cast<char>('0' + shown / 100),
                                           static_cast<char>('0' + shown / 10 % 10),
                                           static_cast<char>('0' + shown % 10)});
    }
    catalogue.records = std::move(records);
    CatalogueLoad result;
    result.records = static_cast<int>(catalogue.records.size());
    return result;
}

CatalogueLoad LoadPlayByPlay(PlayByPlayCatalogue& catalogue, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure(CatalogueLoadStatus::Error, 53, 0,
                       "LPP_Error 53: " + path + " could not be opened");
    return LoadPlayByPlay(catalogue, in);
}

}  // namespace vrk

namespace vrk {

CatalogueLoad LoadPlayByPlayFromHome(PlayByPlayCatalogue& catalogue,
                                     const std::string& homeDirectory) {
    const auto path = findFile(homeDirectory, "baseball.msg");
    if (!path)
        return failure(CatalogueLoadStatus::Error, 53, 0,
                       "LPP_Error 53: baseball.msg is missing from " +
                           (homeDirectory.empty() ? std::string(".") : homeDirectory));
    return LoadPlayByPlay(catalogue, *path);
}

}  // namespace vrk
