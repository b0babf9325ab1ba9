# The two set-up commands of the README and a few helpers.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)

# Engine comparison: Release build of its own, generated rules bases of
# 10,000 to 1,000,000 rules, Veridane against the CLIPS shell and the plain
# reference engine (bench/compare_moteurs.sh; see docs/performance.md).
BENCH_BUILD ?= build-bench

.PHONY: bench
bench:
	bash scripts/install-deps.sh --bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERIDANE_BUILD_UI=OFF -DVERIDANE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target veridane-cli veridane-strates veridane-bench-reference veridane-bench-memoire
	bash bench/compare_moteurs.sh $(BENCH_BUILD)
