# veltrano: build, run and test. `make run` opens the program under Wine on a sample folder
# (or on DIR=...); `make test` installs what is missing, builds both programs and runs every test.

BUILD  := build
NATIVE := $(BUILD)/native
WIN    := $(BUILD)/win
JOBS   ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: all deps native win test run demo bench format clean

all: native win

deps:
	@tools/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DVELTRANO_WIN_BUILD=$(abspath $(WIN)) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win: deps
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

test: native win
	@ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

run: win
	@tools/run-veltrano $(WIN)/veltrano.exe $(DIR)

demo: win
	@tools/demo $(WIN)/veltrano.exe $(BUILD)/demo

bench: native
	@$(NATIVE)/bench/preview_bench

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
