# The two commands of the README, and a few more for developers.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# make test SANITIZE=1: the same build and tests with AddressSanitizer and UBSan, in a folder
# of their own.
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
BUILD_TYPE := RelWithDebInfo
CMAKE_FLAGS += -DTALLYFOLD_SANITIZE=ON
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1
endif

.PHONY: deps configure build run test soak bench fuzz package clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/tallyfold

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# make soak: the end-to-end tests 20 times in a row, stopping at the first failure.
soak: build
	cd $(BUILD_DIR) && ctest -R e2e --repeat until-fail:20 --output-on-failure

bench: build
	$(BUILD_DIR)/tallyfold_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	xvfb-run -a -s "-screen 0 1600x1200x24" bench/startup.sh $(BUILD_DIR)/tallyfold_startup
	bench/render_batch.sh $(BUILD_DIR)/tallyfold
	TMPDIR=/dev/shm bench/render_batch.sh $(BUILD_DIR)/tallyfold

# make package: build/tallyfold_<version>_<arch>.deb
package: build
	cd $(BUILD_DIR) && cpack

# make fuzz: each libFuzzer target for FUZZ_SECONDS, starting from the seed corpus in fuzz/corpus.
# New inputs that widen the coverage collect in build-fuzz/corpus; crashes land in build-fuzz.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = datafile numeric delimited html spreadsheet
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTALLYFOLD_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS:%=fuzz_%)
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus/$$target; \
		echo "fuzz_$$target for $(FUZZ_SECONDS) s"; \
		(cd build-fuzz && ./fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			corpus/$$target ../fuzz/corpus/$$target) || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz
