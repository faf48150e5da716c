#include "test_paths.h"

namespace vrk::test {
const char* sourceHome() {
    return VRK_SOURCE_HOME;
}
const char* testDataDir() {
    return VRK_TEST_DATA;
}
const char* vrkBinary() {
    return VRK_VRK_BINARY;
}
const char* databankDir() {
    return VRK_DATABANK_DIR;
}
}  // namespace vrk::test
