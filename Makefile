# Thin wrapper over CMake so the common jobs are one word each.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench fidelity sanitize format clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
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
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVRK_SANITIZE=ON -DVRK_BUILD_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
