# The two set-up commands of the README and a few helpers.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run clean install

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

# Both programs and what makes them a desktop program, under PREFIX.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	-update-mime-database $(PREFIX)/share/mime
	-update-desktop-database $(PREFIX)/share/applications

# ---- Reliability -----------------------------------------------------------
# make test-sanitize: every test with the address and undefined-behaviour
# sanitizers, in its own build directory. Leak reports that come from Qt's
# own start-up are listed in tests/lsan.supp; the program's never are.
SANITIZE_BUILD ?= build-sanitize
.PHONY: test-sanitize test-hostile fuzz fuzz-build
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DVERIDANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS)

# make test-hostile: the huge inputs (a 200 MB file without a line end, a
# million rules) that the ordinary suite keeps small.
test-hostile: build
	cd $(BUILD) && VERIDANE_HOSTILE=1 ctest --output-on-failure -R Hostile

# make fuzz: builds the libFuzzer targets with clang and runs each one for
# FUZZ_SECONDS (FUZZ_TARGETS to choose some). The corpus starts from the
# seeds in tests/data/fuzz/<target> and, for the rules, dictionary and data
# base targets, from the grammar's seeds that fuzz/graines.py writes into
# build-fuzz/graines/<target>; new inputs go to build-fuzz/corpus, and a
# crash or a broken invariant is kept in build-fuzz/artifacts. A target
# uses fuzz/<target>.dict, or the grammar's dictionary fuzz/grammaire.dict.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= regle entree_dico fait regles dico base_faits projet proposition correspondance
fuzz-build:
	bash scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DVERIDANE_FUZZ=ON -DVERIDANE_BUILD_UI=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
	python3 fuzz/graines.py $(FUZZ_BUILD)/graines
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/artifacts/$$t $(FUZZ_BUILD)/graines/$$t; \
	  dict=fuzz/$$t.dict; [ -f $$dict ] || dict=fuzz/grammaire.dict; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$t $(FUZZ_BUILD)/corpus/$$t tests/data/fuzz/$$t $(FUZZ_BUILD)/graines/$$t \
	    -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -timeout=20 -rss_limit_mb=4096 \
	    -dict=$$dict -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t/ -print_final_stats=1 > $(FUZZ_BUILD)/fuzz_$$t.log 2>&1; \
	  rc=$$?; \
	  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' $(FUZZ_BUILD)/fuzz_$$t.log; \
	  if [ $$rc -ne 0 ]; then tail -40 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; fi; \
	done

# Engine comparison: Release build of its own, generated rules bases of
# 10,000 to 1,000,000 rules, Veridane against the CLIPS shell and the plain
# reference engine (bench/compare_moteurs.sh; see docs/performance.md).
# Then the checks of generated bases of 100,000 and 1,000,000 rules
# (bench/verification.sh).
BENCH_BUILD ?= build-bench

.PHONY: bench
bench:
	bash scripts/install-deps.sh --bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERIDANE_BUILD_UI=OFF -DVERIDANE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target veridane-cli veridane-strates veridane-bench-reference veridane-bench-memoire
	bash bench/compare_moteurs.sh $(BENCH_BUILD)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target veridane-regles-aleatoires
	bash bench/verification.sh $(BENCH_BUILD)

# make mutants: the share of the curated faults of tests/mutants.txt that
# the tests notice, each fault applied alone to a copy of the tree in
# build-mutants (see docs/testing.md). Not part of make test: it takes
# about ten minutes on a warm ccache.
.PHONY: mutants
mutants: deps
	nice -n 19 bash scripts/mutants.sh $(MUTANTS_FILTER)

# Forward chaining in the desktop program on the 1,000,000-rule stratified
# base, from the key to the end of the run, against the command line's
# inference in the same build (bench/mesure_fenetre.sh; see
# docs/performance.md). RUNS=5 measures five times.
.PHONY: bench-window
bench-window: configure
	cmake --build $(BUILD) -j$(JOBS) --target veridane veridane-cli
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERIDANE_BUILD_UI=OFF -DVERIDANE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target veridane-strates
	bash bench/mesure_fenetre.sh $(BUILD) $(BENCH_BUILD)

# Sweep of the critical value: "sweep --all" on the 100,000-rule stratified
# base with 20 distinct priorities (bench/mesure_balayage.sh; see
# docs/performance.md). OBSERVATIONS=10 sweeps ten observations.
.PHONY: bench-sweep
bench-sweep:
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERIDANE_BUILD_UI=OFF -DVERIDANE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target veridane-cli veridane-strates
	bash bench/mesure_balayage.sh $(BENCH_BUILD)
