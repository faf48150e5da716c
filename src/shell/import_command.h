#pragma once

namespace vrk {

// vrk --import-databank DIR YEAR [LEAGUE] OUTDIR
int runImportDatabankCommand(int argc, char** argv);

}  // namespace vrk
