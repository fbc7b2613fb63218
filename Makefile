# Everyday commands. Those that build install whatever is missing first, so a fresh Debian 12
# machine needs nothing but `make run` to play and `make test` to check everything.

.PHONY: run test bench fuzz soak package format clean deps

# Play: an optimised build of the game, then the game itself.
run: deps
	cmake --preset release
	cmake --build --preset release
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	    echo "Built build/release/tarnvik2, but there is no display to show it on:" \
	         "start it from a desktop session." >&2; exit 1; fi
	./build/release/tarnvik2

# Every test (unit tests and scenarios) built with AddressSanitizer and UBSan, after a check of
# the set-up script itself.
test: deps
	bash scripts/test-install-deps.sh
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Benchmarks in a release build; each program under build/bench/bench is run in turn.
bench: deps
	cmake --preset bench
	cmake --build --preset bench
	bash scripts/run-benchmarks.sh build/bench/bench

# Every fuzz target as a libFuzzer program (clang, ASan and UBSan), run for FUZZ_RUNS inputs each
# (10 million unless given, e.g. `make fuzz FUZZ_RUNS=100000`).
FUZZ_RUNS ?= 10000000
fuzz: deps
	bash scripts/install-deps.sh clang libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build --preset fuzz
	bash scripts/run-fuzzers.sh build/fuzz $(FUZZ_RUNS)

# The game as a Debian package, build/package/tarnvik2_VERSION_ARCH.deb, built with Debian's
# compiler and linker flags (hardening included) and checked by lintian. dpkg-dev works out the
# dependencies, file lets CPack find the programs among the files.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	bash scripts/install-deps.sh dpkg-dev file lintian
	rm -f build/package/tarnvik2_*.deb
	cmake --preset package \
	    -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build --preset package --target package
	lintian --fail-on error --display-info build/package/tarnvik2_*.deb

# The computer player's random soak in an optimised build: SOAK_ACTIONS random actions (10
# million unless given), one shard per core, every invariant of the rules checked after each.
SOAK_ACTIONS ?= 10000000
soak: deps
	cmake --preset soak
	cmake --build --preset soak
	bash scripts/run-soak.sh build/soak/tools/autoplay/tarnvik-autoplay $(SOAK_ACTIONS)

# Formats every C++ file of the repository with its .clang-format.
format:
	bash scripts/install-deps.sh clang-format
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

# Removes what the commands above built (other folders under build/ are left alone).
clean:
	rm -rf build/release build/asan build/bench build/fuzz build/package build/soak

deps:
	bash scripts/install-deps.sh
