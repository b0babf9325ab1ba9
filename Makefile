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

# The program on the demo project (only the program is built first).
run: configure
	cmake --build $(BUILD) -j$(JOBS) --target veridane
	$(BUILD)/src/app/veridane examples/car.exp

clean:
	rm -rf $(BUILD)
