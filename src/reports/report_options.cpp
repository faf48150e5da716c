#include "reports/report_options.h"

#include <array>
#include <charconv>

#include "core/text_fields.h"

namespace vrk {

namespace {

struct YesNoOption {
    std::string_view name;
    bool ReportOptions::*field;
};

constexpr std::array<YesNoOption, 7> kYesNo = {{
    {"STANDINGS", &ReportOptions::standings},
    {"HIGHLIGHTS", &ReportOptions::highlights},
    {"TABLES", &ReportOptions::tables},
    {"RL", &ReportOptions::rlBreakdown},
    {"FIELDING", &ReportOptions::fielding},
    {"DETAIL", &ReportOptions::fieldingDetail},
    {"LEADERS", &ReportOptions::leaders},
}};

}  // namespace

ReportOptionResult ApplyReportOption(ReportOptions& options, std::string_view token) {
    const std::string upper = upperCase(trim(token));
    if (!upper.starts_with("/")) return ReportOptionResult::NotAReportOption;
    const std::size_t colon = upper.find(':');
    const std::string_view name = std::string_view(upper).substr(1, colon - 1);
    const std::string_view value =
        colon == std::string::npos ? std::string_view() : std::string_view(upper).substr(colon + 1);
    if (name == "MINAB") {
        long n = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (value.empty() || error != std::errc() || end != value.data() + value.size() || n < 0)
            return ReportOptionResult::BadValue;
        options.minAtBats = n;
        return ReportOptionResult::Applied;
    }
    for (const YesNoOption& option : kYesNo) {
        if (name != option.name) continue;
        if (value != "Y" && value != "N") return ReportOptionResult::BadValue;
        options.*option.field = value == "Y";
        return ReportOptionResult::Applied;
    }
    return ReportOptionResult::NotAReportOption;
}

}  // namespace vrk
