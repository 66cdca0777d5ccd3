# Velmora: the two commands a newcomer needs are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PACKAGE_BUILD ?= build-release
PREFIX     ?= /usr/local

.PHONY: run test deps build python install package asan-test fuzz bench screenshots clean

deps:
	@bash tools/install-deps.sh

# Warnings are errors here and in CI (a plain CMake build leaves them
# warnings); a build directory made without it is switched over.
CONFIGURE = @grep -q '^VELMORA_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt 2>/dev/null || \
	  cmake -S . -B $(BUILD) -DVELMORA_WERROR=ON $(CMAKE_FLAGS)
build: deps
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

# The Python module alone: $(BUILD)/python/velmora*.so and its velmora.pyi.
# Use it with PYTHONPATH=$(BUILD)/python python3 -c 'import velmora'.
python: deps
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target velmora_python

# Into PREFIX (/usr/local); DESTDIR=/some/root puts it under that root.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, from a Release build: $(PACKAGE_BUILD)/velmora_*.deb.
package: deps
	@grep -q '^VELMORA_WERROR:BOOL=ON' $(PACKAGE_BUILD)/CMakeCache.txt 2>/dev/null || \
	  cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Velmora needs a display, and this session has none."; \
	  echo "Run it under a virtual one:   xvfb-run -a $(BUILD)/app/velmora"; \
	  echo "or use the command line:      $(BUILD)/cli/velmora-cli --help"; \
	  exit 1; \
	fi
	$(BUILD)/app/velmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core (engine, analysis, entry rules, command line) under AddressSanitizer
# and UndefinedBehaviorSanitizer; the GUI is left out to keep CI short.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_GUI=OFF -DVELMORA_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The batch-line, match-line and birth-file fuzzers, built with clang under
# the sanitizers, each run for a minute from its committed seeds (FUZZ_TIME
# seconds each).
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 60
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang: apt-get install clang libclang-rt-dev"; exit 1; }
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_GUI=OFF \
	  -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF -DVELMORA_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmora-batch-fuzzer velmora-match-fuzzer velmora-birthfile-fuzzer
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/match-corpus $(FUZZ_BUILD)/birthfile-corpus
	$(FUZZ_BUILD)/tools/fuzz/velmora-batch-fuzzer -max_total_time=$(FUZZ_TIME) -dict=tools/fuzz/batch.dict \
	  $(FUZZ_BUILD)/corpus tools/fuzz/seeds
	$(FUZZ_BUILD)/tools/fuzz/velmora-match-fuzzer -max_total_time=$(FUZZ_TIME) -dict=tools/fuzz/batch.dict \
	  $(FUZZ_BUILD)/match-corpus tools/fuzz/match-seeds
	$(FUZZ_BUILD)/tools/fuzz/velmora-birthfile-fuzzer -max_total_time=$(FUZZ_TIME) -max_len=70000 \
	  -dict=tools/fuzz/birthfile.dict $(FUZZ_BUILD)/birthfile-corpus tools/fuzz/birthfile-seeds

bench: build
	$(BUILD)/bench/velmora-bench

# Renders the input form and the main window with a chart to PNG, without a
# display: at the opening size, maximised on a 1600x1200 screen, at 200 %, and
# every window on a 1024x768 screen; in the tests' pinned font (DejaVu Sans),
# whatever fonts the machine has. (The manual's pictures are made by the
# build, in $(BUILD)/manual/images.)
screenshots: export FONTCONFIG_FILE = $(CURDIR)/tests/gui/fonts/dejavu.conf
SCREEN_2560 = offscreen:configfile=tests/gui/shell/screen-2560x1600.json
SCREEN_1600 = offscreen:configfile=tests/gui/shell/screen-1600x1200.json
SCREEN_1280 = offscreen:configfile=tests/gui/shell/screen-1280x1024.json
SCREEN_1024 = offscreen:configfile=tests/gui/shell/screen-1024x768.json
screenshots: build
	QT_QPA_PLATFORM=offscreen VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/frmMain_screens_qtest
	QT_QPA_PLATFORM=offscreen VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/mdi_qtest screenshot
	QT_QPA_PLATFORM=$(SCREEN_1600) VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/mdi_qtest screenshotMaximised
	QT_QPA_PLATFORM=$(SCREEN_1280) VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/mdi_qtest openingSizeShowsAPageOfTheReport
	QT_QPA_PLATFORM=$(SCREEN_2560) QT_SCALE_FACTOR=2 VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/frmMain_screens_qtest screenshot
	QT_QPA_PLATFORM=$(SCREEN_1600) QT_SCALE_FACTOR=2 VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/mdi_qtest screenshot
	QT_QPA_PLATFORM=offscreen VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/vargas_qtest screenshots
	QT_QPA_PLATFORM=offscreen VELMORA_SCREENSHOT_DIR=docs/screenshots $(BUILD)/tests/chart_output_qtest screenshotOfThePdf
	QT_QPA_PLATFORM=$(SCREEN_1024) $(BUILD)/tests/windows_qtest everyWindowFitsTheScreen
	cp $(BUILD)/screenshots/screen-1024x768-main-window.png docs/screenshots/main-window-1024x768.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
