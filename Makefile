# Thin wrapper over CMake so the common jobs are one word each.
BUILD ?= build
SAN_BUILD ?= build-sanitize
REL_BUILD ?= build-release
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = team_file configuration catalogue options statistics_set game
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
# Warnings as errors: on in CI and development builds (.ci/run, sanitize), off
# in a user's build, where another compiler version may warn differently.
WERROR ?= OFF

.PHONY: all deps build release run test bench fidelity sanitize tsan fuzz format clean install

all: build

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVRK_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd home && ../$(BUILD)/vrk $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The measured figures come from a release build with link-time optimisation.
release: deps
	cmake -S . -B $(REL_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVRK_LTO=ON -DVRK_WERROR=$(WERROR) >/dev/null
	cmake --build $(REL_BUILD) -j $(JOBS) --target vrk vrk_bench

bench: release
	$(REL_BUILD)/vrk bench
	$(REL_BUILD)/vrk_bench

# Simulated against real season rates for the sample league: table, CSV and SVG plot.
fidelity: build
	$(BUILD)/fidelity_report --out fidelity $(ARGS)

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVRK_SANITIZE=ON -DVRK_BUILD_BENCH=OFF -DVRK_WERROR=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Season projections run on worker threads: the thread sanitizer watches them.
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRK_TSAN=ON -DVRK_BUILD_BENCH=OFF -DVRK_WERROR=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target vrk_tests
	$(TSAN_BUILD)/vrk_tests --gtest_filter='Projection*'

# Each libFuzzer harness for FUZZ_SECONDS, from the seed corpus (-O1 with
# line tables: quick to build, readable stacks). An input that fails is
# written to fuzz/regressions/<harness>/ (keep it: make test replays it) and
# stops the run.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVRK_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
	  -DCMAKE_CXX_COMPILER=clang++ -DVRK_BUILD_BENCH=OFF >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t fuzz/regressions/$$t; \
	  echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=30 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=fuzz/regressions/$$t/ \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

# The program, its shipped home folder under share/vrk, the manual page.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(REL_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
