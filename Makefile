# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build run test bench sanitize fuzz clean package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD)

run: build
	@scripts/run.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

# The Debian package: $(BUILD)/kesta_<version>_<arch>.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@scripts/bench.sh $(BUILD)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTA_SANITIZE=ON
	cmake --build build-asan
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --test-dir build-asan --output-on-failure -j2

clean:
	rm -rf $(BUILD) build-asan build-fuzz

# Fuzz the number text toolkit for a minute with libFuzzer (clang, ASan, UBSan).
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTA_FUZZ=ON -DKESTA_SANITIZE=ON
	cmake --build build-fuzz --target NumberTextFuzz
	build-fuzz/fuzz/NumberTextFuzz -max_total_time=60 -rss_limit_mb=4096
