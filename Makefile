# SPDX-License-Identifier: MIT
# `make run` and `make test` do all the set-up a fresh Debian 12 machine needs.
JOBS ?= $(shell nproc)

.PHONY: deps configure build programs build-asan build-tsan run package test test-default test-asan test-tsan test-quick fuzz clean format

deps:
	./scripts/install-deps

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

# Only the two programs, not the tests and benchmarks: a first start is quicker.
programs: configure
	cmake --build --preset default -j $(JOBS) --target phodex phodex-cli

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

run: programs
	@if [ -x build/src/app/phodex ]; then build/src/app/phodex; else build/src/cli/phodex-cli --help; fi

# A Debian package of the programs, the desktop entry, icons, metainfo, man
# pages and completion, in build/: apt install ./build/phodex_*.deb
package: programs
	cd build && cpack -G DEB

test-default: build
	ctest --preset default

test-asan: build-asan
	ctest --preset asan

build-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)

# The net, download, jobs, site and CLI tests under ThreadSanitizer: not part
# of `make test` (it adds a third full build), run before threading changes land.
test-tsan: build-tsan
	ctest --preset tsan

# The unit, harness and site tests of the default build: the quick check while working.
test-quick: build
	ctest --preset default -L '^(unit|sites|support)$$'

test: test-default test-asan

# Every fuzz target for FUZZ_SECONDS (60) each; clang and libFuzzer are only
# needed here. The corpora replay in `make test` without them.
fuzz:
	./scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	./scripts/run-fuzz build-fuzz

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan build-fuzz

# A QQ Zone site on loopback with a few albums: downloads them with phodex-cli
# into ./demo-albums/, no account or network needed.
.PHONY: demo
demo: build
	./tools/demo-site/run-demo.sh build demo-albums
