# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build web run test bench sanitize fuzz clean package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD)

# The browser site in $(BUILD)/web (serve it with: python3 -m http.server -d $(BUILD)/web).
web: deps
	@scripts/build-web.sh $(BUILD)

run: build
	@scripts/run.sh $(BUILD)

test: build web
	ctest --test-dir $(BUILD) --output-on-failure -j2

# The Debian package: $(BUILD)/kesta_<version>_<arch>.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@scripts/bench.sh $(BUILD)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer, but for the
# browser tests (web_*): the page's engine is WebAssembly built by emscripten, which the
# sanitizers do not instrument, and `make test` already runs them on the plain build; here they
# would only build the site a second time. Leak checking is off for the one window a signal test
# runs under strace (LeakSanitizer needs ptrace, which a traced process cannot give it): the
# test itself turns it off for that window only.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTA_SANITIZE=ON
	cmake --build build-asan
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --test-dir build-asan --output-on-failure -j2 \
	    --exclude-regex '^web_'

clean:
	rm -rf $(BUILD) build-asan build-fuzz

# libFuzzer (clang, ASan, UBSan) on each target for FUZZ_SECONDS, on a working corpus in
# build-fuzz/corpus/<target> seeded from fuzz/corpus/<target>, with fuzz/<target>.dict if there
# is one; a failing input is saved as build-fuzz/<target>-crash-*. Each run ends with libFuzzer's
# final stats (stat::number_of_executed_units: the inputs tried). One target for an hour:
#   make fuzz FUZZ_TARGETS=ReportFuzz FUZZ_SECONDS=3600
# QSettings keeps a bounded cache of the files it has read, which libFuzzer takes for a leak:
# it would run LeakSanitizer after nearly every settings or set-up file input (8 instead of
# 200 inputs/s).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= NumberTextFuzz ReportFuzz StringStackFuzz SettingsTextFuzz SetupFileFuzz \
                CommandLineFuzz CompareFuzz GameListFuzz
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTA_FUZZ=ON -DKESTA_SANITIZE=ON
	cmake --build build-fuzz --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$t; \
	    echo "== $$t for $(FUZZ_SECONDS) s"; \
	    leaks=1; case $$t in SettingsTextFuzz|SetupFileFuzz) leaks=0;; esac; \
	    dict=; [ -f fuzz/$$t.dict ] && dict=-dict=fuzz/$$t.dict; \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp build-fuzz/fuzz/$$t $$dict \
	        -max_total_time=$(FUZZ_SECONDS) -timeout=1 -rss_limit_mb=4096 -detect_leaks=$$leaks \
	        -print_final_stats=1 \
	        -artifact_prefix=build-fuzz/$$t- build-fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done
