# Velno: two commands do everything on a fresh Debian 12 machine.
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds, runs every test offscreen

BUILD ?= build
CMAKE_TYPE ?= RelWithDebInfo

PACKAGES = cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev \
           qt6-translations-l10n tango-icon-theme fonts-urw-base35 fonts-dejavu-core fonts-comic-neue fonts-lato \
           libzip-dev pkg-config libbenchmark-dev xvfb poppler-utils libfluidsynth-dev timgm6mb-soundfont \
           hyperfine xauth time

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench screenshots asan fuzz scimmia clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

# ccache, when the machine has it, makes rebuilds of unchanged files free.
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CMAKE_TYPE) $(LAUNCHER)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/velno

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Every benchmark at full scale, then the slowest handlers of every window, the peak memory
# with the windows open and the start-up, each beside an empty Qt program where it says so.
bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/velno-bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/velno-gestori 5
	bench/memoria.sh $(BUILD)
	bench/avvio.sh $(BUILD)
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/velno-inattivo 60

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/velno-screenshot docs
	pdftoppm -png -r 70 -f 1 -l 1 -singlefile docs/stampa-azioni.pdf docs/stampa-azioni
	pdftoppm -png -r 70 -f 1 -l 1 -singlefile docs/stampa-classifica.pdf docs/stampa-classifica
	pdftoppm -png -r 70 -f 1 -l 1 -singlefile docs/stampa-piano.pdf docs/stampa-piano
	pdftoppm -png -r 70 -f 1 -l 1 -singlefile docs/stampa-bilancio.pdf docs/stampa-bilancio

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELNO_SANITIZE=ON
	cmake --build build-asan
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j2

# The random-input run, long: thousands of seeded random events at every window. The seed is
# the time unless SCIMMIA_SEME is given; SCIMMIA_SECONDI bounds the run in time. `make test`
# runs a short one (tests/scimmia).
SCIMMIA_SEME ?= $(shell date +%s)
SCIMMIA_EVENTI ?= 20000
SCIMMIA_SECONDI ?= 1800
scimmia: build
	QT_QPA_PLATFORM=offscreen SCIMMIA_SEME=$(SCIMMIA_SEME) SCIMMIA_EVENTI=$(SCIMMIA_EVENTI) \
	    SCIMMIA_SECONDI=$(SCIMMIA_SECONDI) ./$(BUILD)/tests/scimmia/scimmia

# libFuzzer on each archive reader in turn, FUZZ_SECONDS each (clang with its sanitizer runtime);
# what a run finds lands in fuzz-out/<reader>. The sanitizer's memory grows over an hour of
# balances (past libFuzzer's 2 GB limit, with 25 MB of it in use): the limit is 8 GB.
FUZZ_SECONDS ?= 600
fuzz: deps
	@dpkg-query -W -f='$${Status}' clang libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed' || \
	    (DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y clang libclang-rt-14-dev)
	[ -f build-fuzz/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELNO_FUZZ=ON
	cmake --build build-fuzz --target fuzz_azioni fuzz_bilancio
	for lettore in azioni bilancio; do \
	    mkdir -p fuzz-out/$$lettore && \
	    ASAN_OPTIONS=allocator_release_to_os_interval_ms=1000 \
	    ./build-fuzz/fuzz_$$lettore -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 -rss_limit_mb=8192 \
	        -print_final_stats=1 -artifact_prefix=fuzz-out/$$lettore/ fuzz-out/$$lettore fuzz/corpus/$$lettore \
	        || exit 1; \
	done

clean:
	rm -rf $(BUILD) build-asan build-fuzz
