# veltrano: build, run and test. `make run` opens the program under Wine on a sample folder
# (or on DIR=...); `make test` installs what is missing, builds both programs and runs every test.

BUILD  := build
NATIVE := $(BUILD)/native
WIN    := $(BUILD)/win
JOBS   ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
SHELL := bash
.SHELLFLAGS := -o pipefail -c

.PHONY: all deps native win test soak run demo bench format clean

all: native win

deps:
	@tools/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DVELTRANO_WIN_BUILD=$(abspath $(WIN)) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win: deps
	@test -f $(WIN)/CMakeCache.txt || \
	  cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

# The end-to-end run first, its cases shown one per line; then every native test, whose summary
# closes the run. Both run even when the first fails.
test: native win
	@status=0; \
	ctest --test-dir $(NATIVE) -R end_to_end -V 2>&1 | sed -n -e '/Test command:\|Working Directory:\|Test timeout/d' -e 's/^[0-9]*: //p' || status=1; \
	ctest --test-dir $(NATIVE) -E end_to_end --output-on-failure -j $(JOBS) || status=1; \
	exit $$status

# The rename property test over many random folders; it prints its first seed, and
# VELTRANO_SEED=<seed> VELTRANO_TRIALS=<n> make soak replays a run.
soak: native
	@VELTRANO_TRIALS=$${VELTRANO_TRIALS:-200000} VELTRANO_SEED=$${VELTRANO_SEED:-$$(date +%s)} \
	  $(NATIVE)/tests/unit/unit_tests --gtest_filter='RenameProperty.*'

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
