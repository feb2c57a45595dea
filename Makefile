# Wraps CMake. `make test` is what CI runs.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build test run bench format clean

all: build

deps:
	scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

run: deps build
	$(BUILD_DIR)/app/tandem

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTANDEM_BUILD_TESTS=OFF -DTANDEM_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS)
	$(BENCH_DIR)/bench/tandem_bench
	$(BENCH_DIR)/bench/tandem_scan_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
