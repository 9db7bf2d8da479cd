# The two set-up commands: `make run` and `make test`.
BUILD ?= build
SANBUILD ?= build-sanitize
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# The targets that read files write each input to a scratch folder: in memory where possible.
FUZZ_TMP ?= $(if $(wildcard /dev/shm),/dev/shm,/tmp)
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-sanitize test-stress fuzz bench format clean

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-demo $(BUILD)

# The quick run; the stress tests (label `stress`, a few minutes) run apart.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS) -LE stress

test-stress: build
	ctest --test-dir $(BUILD) --output-on-failure -L stress

# The same tests built with AddressSanitizer and UBSan (CI runs both).
test-sanitize: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DZEFIR_SANITIZE=ON -DZEFIR_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(SANBUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(SANBUILD) --output-on-failure -j$(JOBS) -LE stress

# Every fuzz target (tests/fuzz) built with clang, libFuzzer, AddressSanitizer
# and UBSan, each run for FUZZ_SECONDS on one core. New inputs the fuzzer finds
# go to $(FUZZBUILD)/corpus/<target> (the seeds in tests/fuzz/corpus stay as
# they are); a crash leaves its input in $(FUZZBUILD)/crashes, and the run
# ends failed once every target has had its time.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZEFIR_FUZZ=ON -DZEFIR_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZBUILD) -j$(JOBS) --target fuzz_targets
	@mkdir -p $(FUZZBUILD)/crashes
	@failed=""; for t in $(FUZZBUILD)/tests/fuzz/fuzz_*; do \
	  [ -x "$$t" ] && [ -f "$$t" ] || continue; \
	  name=$$(basename $$t); name=$${name#fuzz_}; \
	  mkdir -p $(FUZZBUILD)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  TMPDIR=$(FUZZ_TMP) $$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$(CURDIR)/$(FUZZBUILD)/crashes/$$name- \
	    $(CURDIR)/$(FUZZBUILD)/corpus/$$name $(CURDIR)/tests/fuzz/corpus/$$name || failed="$$failed $$name"; \
	done; \
	[ -z "$$failed" ] || { echo "Błędy w celach:$$failed"; exit 1; }

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

format:
	clang-format -i $$(git ls-files 'src/*.cc' 'src/*.h' 'tests/*.cc' 'tests/*.h' 'bench/*.cc')

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD)
