# The commands of the README. Each installs what is missing, configures and builds.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# The sanitizer and fuzz builds use clang, each in a build folder of its own.
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
CLANG_CXX    ?= $(shell command -v clang++-14 2>/dev/null || echo clang++)
CLANG_CC     ?= $(shell command -v clang-14 2>/dev/null || echo clang)
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

.PHONY: all setup setup-clang configure build run test bench package test-asan fuzz \
        fuzz-replay fuzz-build clean check-install

all: build

setup:
	@bash scripts/setup.sh

setup-clang:
	@bash scripts/setup.sh clang

# ccache, when the machine has it, shares compiled objects between checkouts.
LAUNCHER := $(shell command -v ccache 2>/dev/null)

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(LAUNCHER),-DCMAKE_CXX_COMPILER_LAUNCHER=$(LAUNCHER)) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/kerbo

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks -- --no-print-directory >/dev/null
	@set -e; for b in $(BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen "$$b"; done

# The Debian package: build/package/kerbo_<version>_<arch>.deb
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null && ls -1 $(CURDIR)/$(BUILD)/package/kerbo_*.deb

# The package installed on a fresh Debian 12 made by debootstrap (root and network; minutes).
check-install: package
	@bash packaging/check-fresh-install.sh $$(ls -1 $(CURDIR)/$(BUILD)/package/kerbo_*.deb | tail -1)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails.
test-asan: setup-clang
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=$(CLANG_CXX) -DCMAKE_C_COMPILER=$(CLANG_CC) \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" \
	  $(if $(LAUNCHER),-DCMAKE_CXX_COMPILER_LAUNCHER=$(LAUNCHER)) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) -- --no-print-directory
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer harnesses of fuzz/: `make fuzz` runs each for FUZZ_SECONDS (FUZZ_TARGETS picks
# some); `make fuzz-replay` runs the seeds and kept inputs once.
fuzz-build: setup-clang
	@cmake -S . -B $(FUZZ_BUILD) -DKERBO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=$(CLANG_CXX) -DCMAKE_C_COMPILER=$(CLANG_CC) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
	  $(if $(LAUNCHER),-DCMAKE_CXX_COMPILER_LAUNCHER=$(LAUNCHER)) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers -- --no-print-directory

fuzz: fuzz-build
	@bash scripts/fuzz.sh $(FUZZ_BUILD) run $(FUZZ_SECONDS)

fuzz-replay: fuzz-build
	@bash scripts/fuzz.sh $(FUZZ_BUILD) replay

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
