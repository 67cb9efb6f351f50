# The two commands of the README. Both install what is missing, configure and build.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench package clean

all: build

setup:
	@bash scripts/setup.sh

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

clean:
	@rm -rf $(BUILD)
