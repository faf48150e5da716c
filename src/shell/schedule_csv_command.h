#pragma once

namespace vrk {

// `vrk --schedule-from-csv IN.csv OUT.SCH` and `vrk --schedule-to-csv IN.SCH`
// (to standard output). Exit status 0 on success, a message on stderr else.
int runScheduleFromCsv(int argc, char** argv);
int runScheduleToCsv(int argc, char** argv);

}  // namespace vrk
