# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build with every core.

BUILD ?= build
JOBS ?= $(shell nproc)
XVFB ?=

.PHONY: all deps configure build run test bench clean

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
	@for b in $(BUILD)/bench/*_bench; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD)
