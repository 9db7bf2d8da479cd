# The two set-up commands: `make run` and `make test`.
BUILD ?= build
SANBUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-sanitize bench format clean

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-demo $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The same tests built with AddressSanitizer and UBSan (CI runs both).
test-sanitize: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DZEFIR_SANITIZE=ON -DZEFIR_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(SANBUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(SANBUILD) --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

format:
	clang-format -i $$(git ls-files 'src/*.cc' 'src/*.h' 'tests/*.cc' 'tests/*.h' 'bench/*.cc')

clean:
	rm -rf $(BUILD) $(SANBUILD)
