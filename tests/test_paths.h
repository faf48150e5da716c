#pragma once

// Folders and programs of the source and build trees. They live in one
// source file so the other test files compile the same in any checkout.
namespace vrk::test {
const char* sourceHome();   // the shipped home/ folder
const char* testDataDir();  // tests/data
const char* vrkBinary();    // the built vrk program
const char* databankDir();  // the baseball databank beside the repository (may be absent)
}  // namespace vrk::test
