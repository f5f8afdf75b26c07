# Thin wrapper around CMake: `make run` and `make test` set everything up first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_SECONDS ?= 60

.PHONY: all setup configure build run run-modules test test-unit test-sanitized fuzz bench package package-check clean

all: build

setup:
	@sh scripts/setup-deps

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

# Only what running needs: the program and the simulator. MODULES=n (1 to 6) runs n simulated
# modules as COM1 to COMn, to try spans on.
MODULES ?= 1
run: run-modules configure
	cmake --build $(BUILD) --target glyphsmith glyphsmith-sim
	MODULES=$(MODULES) sh scripts/run-with-sim $(BUILD)/bin

# Refused before anything is built: only COM1..COM6 exist to map simulated modules to.
run-modules:
	@case "$(MODULES)" in ''|*[!0-9]*) echo "MODULES must be a number from 1 to 6" >&2; exit 2;; esac; \
	if [ "$(MODULES)" -lt 1 ] || [ "$(MODULES)" -gt 6 ]; then \
	    echo "MODULES=$(MODULES): there are COM1 to COM6, so make run takes 1 to 6 simulated modules" >&2; \
	    exit 2; \
	fi

# Every test in the normal build, then again under AddressSanitizer and UBSan, then the fuzzers,
# then the Debian package as lintian and the desktop's validators see it.
test: test-unit test-sanitized fuzz package-check

test-unit: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

test-sanitized: setup
	sh scripts/test-sanitized $(ASAN_BUILD)

fuzz: setup
	sh scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The benchmarks against their floors, as one table.
bench: build
	sh bench/run $(BUILD)

# The Debian package and its debug symbols package, from a release build of their own in
# $(PACKAGE_BUILD).
package: setup
	sh scripts/package $(PACKAGE_BUILD)

package-check: setup
	sh scripts/package-check $(PACKAGE_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
