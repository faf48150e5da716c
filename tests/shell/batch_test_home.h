#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include "test_paths.h"

#include "shell/batch_run.h"

namespace vrk::testing {

// A scratch home folder holding the shipped companion files and two of the
// sample teams; batch runs start in it as their current folder.
struct BatchHome {
    std::filesystem::path dir;

    explicit BatchHome(const std::string& tag) {
        namespace fs = std::filesystem;
        dir = fs::temp_directory_path() /
              ("vrk_batch_" + tag + "_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path home = vrk::test::sourceHome();
        for (const char* name :
             {"BASEBALL.MSG", "STADIUM.TXT", "BASEBALL.CFG", "CAMHAVEN.DAT", "FELVORA.DAT"}) {
            fs::copy_file(home / name, dir / name);
        }
    }
    ~BatchHome() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
    }

    struct Run {
        int status = 0;
        std::string out;
        std::string err;
    };

    // The options are one option string, split into words as a shell would;
    // with stopAfter >= 0 a stop is asked for once that many games are played.
    Run batch(const std::string& options, int stopAfter = -1) const {
        StartupInputs inputs;
        inputs.currentDir = dir.string();
        inputs.timeSeed = 1;
        std::istringstream words(options);
        for (std::string w; words >> w;) inputs.args.push_back(w);
        std::ostringstream out;
        std::ostringstream err;
        Run run;
        int asked = 0;
        BatchIo io{out, err, false, [&] { return stopAfter >= 0 && asked++ >= stopAfter; }};
        run.status = runBatch(inputs, io);
        run.out = out.str();
        run.err = err.str();
        return run;
    }
};

}  // namespace vrk::testing
