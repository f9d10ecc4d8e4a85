# Skyvane: the two everyday commands are "make run" and "make test".
# Each installs missing Debian packages, configures and builds in build/, generates the data pack.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
DEB_BUILD  ?= build-deb
JOBS       ?= $(shell nproc)
WERROR     ?= OFF
FUZZ_SECONDS ?= 60
CMAKE_ARGS ?=
PREFIX     ?=

.PHONY: all deps build run test data asan fuzz bench cpu soak balance install deb format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DSKYVANE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/skyvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

data: deps
	cmake -S . -B $(BUILD) -DSKYVANE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target skyvane_data

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer. The data generator runs
# instrumented during the build, so the sanitizer settings apply to the build step too.
SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
          UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
          LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYVANE_SANITIZE=ON \
	      -DSKYVANE_BENCH=OFF -DSKYVANE_WERROR=$(WERROR) $(CMAKE_ARGS)
	$(SAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS seconds each (libFuzzer, clang).
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DSKYVANE_FUZZ=ON -DSKYVANE_SANITIZE=ON -DSKYVANE_TESTS=OFF -DSKYVANE_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@set -e; for target in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	    name=$${target##*/fuzz_}; \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$name $(FUZZ_BUILD)/findings; \
	    echo "== fuzzing $$name for $(FUZZ_SECONDS) s"; \
	    $$target -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_BUILD)/findings/$$name- \
	        $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name; \
	done

bench: build
	@set -e; for b in $(BUILD)/bench/bench_*; do echo "== $$b"; SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy $$b; done

# Share of a CPU core the game takes under a virtual X server (no graphics card), menu and play.
cpu: build
	@bash scripts/cpu.sh $(BUILD)

# The autopilot over all 30 levels headless, in the plain build and in the ASan/UBSan build; fails
# on a sanitizer report, an error status or memory growth. Long: not part of "make test" or CI.
soak: deps
	cmake -S . -B $(BUILD) -DSKYVANE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target skyvane
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYVANE_SANITIZE=ON \
	      -DSKYVANE_BENCH=OFF -DSKYVANE_WERROR=$(WERROR) $(CMAKE_ARGS)
	$(SAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS) --target skyvane
	bash scripts/soak.sh $(BUILD) $(ASAN_BUILD)

# Computer pilots that fly like people (novice, average, expert) over every level, eight seeds
# each: a table per level, and build/balance/balance.jsonl and balance.png.
balance: build
	bash scripts/balance.sh $(BUILD)

# Honours DESTDIR (staging) and PREFIX (default /usr/local): make install DESTDIR=/tmp/stage PREFIX=/usr
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) $(if $(PREFIX),--prefix "$(PREFIX)")

# The Debian package skyvane_<version>_<arch>.deb, built in its own folder for /usr (the game in
# /usr/games, as Debian keeps games), with the distribution's hardening flags; lintian must find
# no error in it.
deb: deps
	cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	      -DCMAKE_INSTALL_BINDIR=games -DSKYVANE_TESTS=OFF -DSKYVANE_BENCH=OFF \
	      -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	      -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now" $(CMAKE_ARGS)
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB
	lintian --fail-on error $(DEB_BUILD)/skyvane_*.deb
	@ls $(DEB_BUILD)/skyvane_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
