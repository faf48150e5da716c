# Thin wrapper over CMake so the common jobs are one word each.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
# Warnings as errors: on in CI and development builds (.ci/run, sanitize), off
# in a user's build, where another compiler version may warn differently.
WERROR ?= OFF

.PHONY: all deps build run test bench fidelity sanitize format clean install

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

bench: build
	$(BUILD)/vrk bench
	$(BUILD)/vrk_bench

# Simulated against real season rates for the sample league: table, CSV and SVG plot.
fidelity: build
	$(BUILD)/fidelity_report --out fidelity $(ARGS)

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVRK_SANITIZE=ON -DVRK_BUILD_BENCH=OFF -DVRK_WERROR=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The program, its shipped home folder under share/vrk, the manual page.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
