# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build with every core.
# `make sanitize` runs every test under ASan and UBSan in a build of its
# own; `make fuzz` fuzzes each reader for FUZZ_SECONDS (see tools/fuzz).

BUILD ?= build
JOBS ?= $(shell nproc)
XVFB ?=
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench sanitize fuzz clean

all: build

deps:
	@tools/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@XVFB=$(XVFB) tools/run-app $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@tools/install-deps lua5.4 libreoffice-calc-nogui python3
	@for b in $(BUILD)/bench/*_bench; do [ -x "$$b" ] && "$$b"; done; true

# Leaks count too, but for what system libraries keep for the process's
# life (tests/lsan.supp: fonts, the session bus).
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DSERVIORA_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=abort_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) tools/fuzz $(FUZZ_BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
