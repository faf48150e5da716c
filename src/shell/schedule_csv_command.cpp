#include "shell/schedule_csv_command.h"

#include <fstream>
#include <iostream>

#include "data/schedule_csv.h"
#include "data/stats_file_io.h"

namespace vrk {

int runScheduleFromCsv(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "vrk: --schedule-from-csv needs IN.csv and OUT.SCH\n";
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "vrk: cannot read " << argv[2] << "\n";
        return 1;
    }
    const CsvSchedule schedule = ScheduleFromCsv(in);
    if (!schedule.problem.empty()) {
        std::cerr << "vrk: " << argv[2] << ", " << schedule.problem << "; nothing was written.\n";
        return 1;
    }
    const IoResult written = ReplaceFile(SystemFileOps(), argv[3], schedule.bytes);
    if (!written.ok) {
        std::cerr << "vrk: " << written.message << "\n";
        return 1;
    }
    std::cerr << argv[3] << ": " << schedule.games << " games in "
              << schedule.bytes.size() / kLongScheduleRecord - 1 << " date records.\n";
    return 0;
}

int runScheduleToCsv(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "vrk: --schedule-to-csv needs IN.SCH\n";
        return 2;
    }
    const auto file = ReadScheduleFile(argv[2]);
    if (!file) {
        std::cerr << "vrk: cannot read " << argv[2] << "\n";
        return 1;
    }
    if (file->recordLength == 0) {
        std::cerr << "vrk: " << argv[2]
                  << " is not a schedule (its size is a multiple of neither 210 nor 430).\n";
        return 1;
    }
    ScheduleToCsv(*file, std::cout);
    return 0;
}

}  // namespace vrk
