# Set-up, build, run and test. `make run` and `make test` are all a new machine needs.
BUILD_DIR   ?= build
ASAN_DIR    ?= build-asan
FUZZ_DIR    ?= build-fuzz
# Seconds each fuzzer runs in `make test` (scripts/fuzz.sh runs one for longer).
FUZZ_SECONDS ?= 20
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX      ?= /usr/local

# Lets worktrees and clones in different folders share compiled objects (the
# debug information's working folder is left out of the hash for the same reason).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1


.PHONY: deps configure build run test test-main test-asan fuzzers test-fuzz bench clean install deb

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/montora-studio

test: test-main test-asan test-fuzz

test-main: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMONTORA_SANITIZE=ON -DMONTORA_NO_BENCH=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# The libFuzzer targets of the file readers, built by clang.
$(FUZZ_DIR)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONTORA_FUZZ=ON $(CMAKE_FLAGS)

fuzzers: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target montora_fuzzers

test-fuzz: fuzzers
	FUZZ_BUILD_DIR=$(CURDIR)/$(FUZZ_DIR) bash scripts/fuzz-ci.sh $(FUZZ_SECONDS)

# `make install PREFIX=/opt/montora` (DESTDIR is honoured as well).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the release build in $(BUILD_DIR)/.
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	bash bench/run-all.sh

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
