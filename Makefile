# veltrano: build, run and test. `make run` opens the program under Wine on a sample folder
# (or on DIR=...); `make test` installs what is missing, builds both programs and runs every test.

BUILD  := build
NATIVE := $(BUILD)/native
WIN    := $(BUILD)/win
CLANG  := $(BUILD)/win-clang
SANITIZED := $(BUILD)/native-sanitized
# The version, as CMakeLists.txt sets it once; the release zip is named after it.
VERSION := $(shell awk '/^project/ && $$2 == "VERSION" { print $$3 }' CMakeLists.txt)
ZIP    := $(BUILD)/dist/veltrano-$(VERSION).zip
JOBS   ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
SHELL := bash
.SHELLFLAGS := -o pipefail -c

.PHONY: all deps native sanitized win win-clang test soak mutate run demo dist reproducible bench format clean

all: native win

deps:
	@tools/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DVELTRANO_WIN_BUILD=$(abspath $(WIN)) \
	  -DVELTRANO_RELEASE_ZIP=$(abspath $(ZIP)) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

# The native tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitized: deps
	@cmake -S . -B $(SANITIZED) -DVELTRANO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZED) -j $(JOBS)

win: deps
	@test -f $(WIN)/CMakeCache.txt || \
	  cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

# The Windows program built a second time, with clang for MinGW-w64: it must build, warnings as
# errors; the tests run the g++ build.
win-clang: deps
	@test -f $(CLANG)/CMakeCache.txt || \
	  cmake -S . -B $(CLANG) -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(CLANG) -j $(JOBS) --target veltrano

# The end-to-end run first, the release zip's check among it, its cases shown one per line; then
# the native tests under the sanitizers, quietly unless one fails; then every native test; last,
# the lines of the tests against the program's. All run even when one fails.
test: native sanitized win win-clang dist
	@status=0; \
	ctest --test-dir $(NATIVE) -R end_to_end -V 2>&1 | sed -n -e '/Test command:\|Working Directory:\|Test timeout/d' -e 's/^[0-9]*: //p' || status=1; \
	if log=$$(ctest --test-dir $(SANITIZED) -j $(JOBS) --output-on-failure 2>&1); then \
	  echo "sanitized: $$(grep 'tests passed' <<<"$$log")"; else echo "$$log"; status=1; fi; \
	ctest --test-dir $(NATIVE) -E end_to_end --output-on-failure -j $(JOBS) || status=1; \
	tools/count-lines || status=1; \
	exit $$status

# The rename property test over many random folders; it prints its first seed, and
# VELTRANO_SEED=<seed> VELTRANO_TRIALS=<n> make soak replays a run.
soak: native
	@VELTRANO_TRIALS=$${VELTRANO_TRIALS:-200000} VELTRANO_SEED=$${VELTRANO_SEED:-$$(date +%s)} \
	  $(NATIVE)/tests/unit/unit_tests --gtest_filter='RenameProperty.*'

# Small faults put into the program one at a time, to find what the tests miss (tools/mutate):
# BASE=<commit> faults the lines changed since that commit, FILES="a.cpp b.h" every line of those
# files; MAX=<n> tries n of them picked at random (SEED=<s>), TIMEOUT=<seconds> bounds the native
# tests, E2E=all runs the end-to-end suite for every fault. Not part of `make test`.
mutate: native win
	@tools/mutate $(if $(BASE),--base '$(BASE)') $(if $(FILES),--files '$(FILES)') \
	  $(if $(MAX),--max $(MAX)) $(if $(SEED),--seed $(SEED)) $(if $(TIMEOUT),--timeout $(TIMEOUT)) \
	  $(if $(E2E),--e2e-all) --jobs $(JOBS)

run: win
	@tools/run-veltrano $(WIN)/veltrano.exe $(DIR)

# DPI=150 (or 200, ...) shows the dialogs as a screen at that scale does, in build/demo-150.
DPI ?= 100
demo: win
	@tools/demo $(WIN)/veltrano.exe $(BUILD)/demo$(if $(filter-out 100,$(DPI)),-$(DPI)) $(DPI)

# The release zip, build/dist/veltrano-VERSION.zip: the program and its Italian guide; beside it
# its SHA-256 checksum and the versions of the tools that built it.
dist: win
	@tools/make-dist $(WIN)/veltrano.exe dist/LEGGIMI.txt $(VERSION) $(ZIP)

# Two clean clones of the last commit, at different paths, each release built a while apart:
# the exe and the zip must be the same byte for byte. Not part of `make test`: it builds twice.
reproducible: deps
	@tools/check-reproducible

# The native core's preview, then the real program under Wine (SIZES=1000,10000 picks the sizes).
bench: native win
	@$(NATIVE)/bench/preview_bench
	@tools/run-bench $(WIN) $(SIZES)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
