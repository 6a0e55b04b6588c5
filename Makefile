# The two commands of the README:
#   make demo   build everything and run the demo show
#   make test   build everything and run every test
# Helpers: make build, make test-versions, make fuzz [FUZZ_SECONDS=60], make bench, make gallery,
# make screenshots [DPI=96|120|144|192], make soak [SOAK_CHANGES=2000], make clean.

NATIVE := build/native
PLAYER32 := build/win32
# The Windows tree whose programs run here: the 32-bit tree where the machine runs 32-bit code
# (Wine's 32-bit loader starts), else a 64-bit tree under Wine's 64-bit loader. The 32-bit player,
# the program that ships, is built in either case.
RUNS_I386 = $(shell /usr/lib/wine/wine --version >/dev/null 2>&1 && echo yes)
WIN32 = $(if $(RUNS_I386),build/win32,build/win64)
WIN_TOOLCHAIN = $(CURDIR)/cmake/toolchain-$(if $(RUNS_I386),mingw32,mingw64).cmake
FUZZ := build/fuzz
BENCH := build/bench
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SOAK_CHANGES ?= 2000

CMAKE_FLAGS := -G Ninja -Wno-dev

.PHONY: demo test test-versions build deps native win32 fuzz bench gallery screenshots soak clean

deps:
	@bash scripts/install-deps.sh

native: deps
	@[ -f $(NATIVE)/build.ninja ] || cmake -S . -B $(NATIVE) $(CMAKE_FLAGS) -DVESK_SANITIZE=ON
	@cmake --build $(NATIVE) -j $(JOBS)

win32: deps
	@[ -f $(WIN32)/build.ninja ] || cmake -S . -B $(WIN32) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(WIN_TOOLCHAIN)
	@cmake --build $(WIN32) -j $(JOBS)
	@if [ "$(WIN32)" != "$(PLAYER32)" ]; then \
	    echo "== this machine runs no 32-bit code: Windows programs run from $(WIN32); the 32-bit player is built in $(PLAYER32)"; \
	    [ -f $(PLAYER32)/build.ninja ] || cmake -S . -B $(PLAYER32) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release \
	        -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-mingw32.cmake; \
	    cmake --build $(PLAYER32) -j $(JOBS) --target player expic scrpack; \
	fi

build: native win32

# The player runs the demo show full screen beside a vesk.log, and the log is printed. With a
# display the show runs there until input closes it; without one it runs under Xvfb, leaves
# screenshots in build/demo/screen-1.png ... screen-8.png, and is closed by a mouse movement.
demo: build
	@sh scripts/make-demo.sh $(NATIVE) $(WIN32) build/demo
	@echo "== scrpack list build/demo/demo.scr"
	@$(NATIVE)/scrpack list build/demo/demo.scr
	@echo "== build/demo/demo.scr /s"
	@if [ -n "$${DISPLAY:-}" ]; then \
	    : > build/demo/vesk.log; $(WIN32)/wine-run build/demo/demo.scr /s; cat build/demo/vesk.log; \
	else \
	    SHOTS=8 SHOT_EVERY=4 sh scripts/xvfb-show.sh $(CURDIR)/$(WIN32)/wine-run $(CURDIR)/build/demo/demo.scr \
	        $(CURDIR)/build/demo/screen.png; \
	fi

test: build
	@status=0; \
	echo "== native tests"; \
	(cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)) || status=1; \
	echo "== Windows tests under Wine"; \
	(cd $(WIN32) && ctest --output-on-failure -j $(JOBS)) || status=1; \
	echo "== a folder of phone photos, built by the Linux scrpack, on the Windows player"; \
	sh tests/scripts/phone-show-test.sh $(NATIVE)/scrpack $(NATIVE)/tests/phone-pictures $(CURDIR)/$(WIN32) \
	    $(CURDIR)/build/phone-show || status=1; \
	exit $$status

# The player's scenario tests under Wine reporting Windows 98, XP and 10, a prefix per version
# (make test runs them too; this runs them alone).
test-versions: win32
	@cd $(WIN32) && ctest --output-on-failure -j $(JOBS) -L windows_versions

# Each fuzzer runs FUZZ_SECONDS over its growing corpus (build/fuzz/corpus/TARGET), the seeds that
# make_seeds writes (build/fuzz/seeds/TARGET) and the inputs of past findings kept in
# tests/fuzz/regressions/TARGET.
FUZZERS := package:65536 exif:4096 manifest:4096 command_line:512 list_text:1024

fuzz: deps
	@[ -f $(FUZZ)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_FLAGS) -DVESK_FUZZ=ON \
	    -DVESK_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@cmake --build $(FUZZ) -j $(JOBS) --target $(foreach f,$(FUZZERS),$(word 1,$(subst :, ,$(f)))_fuzzer) make_seeds
	@$(FUZZ)/tests/fuzz/make_seeds $(FUZZ)/seeds
	@for entry in $(FUZZERS); do \
	    target=$${entry%%:*}; length=$${entry#*:}; \
	    mkdir -p $(FUZZ)/corpus/$$target; \
	    regressions=; [ -d tests/fuzz/regressions/$$target ] && regressions=tests/fuzz/regressions/$$target; \
	    echo "== $$target, $(FUZZ_SECONDS) s"; \
	    $(FUZZ)/tests/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=$$length -print_final_stats=1 \
	        $(FUZZ)/corpus/$$target $(FUZZ)/seeds/$$target $$regressions || exit 1; \
	done

bench: deps
	@[ -f $(BENCH)/build.ninja ] || cmake -S . -B $(BENCH) $(CMAKE_FLAGS) -DVESK_BENCH=ON -DVESK_TESTS=OFF \
	    -DCMAKE_BUILD_TYPE=Release
	@cmake --build $(BENCH) -j $(JOBS)
	@$(BENCH)/bench/package_bench
	@sh bench/build_bench.sh $(CURDIR)/$(BENCH)/scrpack $(CURDIR)/$(BENCH)/build-bench
	@sh bench/fit_bench.sh $(CURDIR)/$(BENCH)/scrpack $(CURDIR)/$(BENCH)/fit-bench
	@$(MAKE) --no-print-directory win32
	@cmake --build $(WIN32) --target effects_bench picture_bench -j $(JOBS)
	@echo "== transition effects at 1920 x 1080 and 3840 x 2160 (Xvfb)"
	@xvfb-run -a -s "-screen 0 3840x2160x24" $(WIN32)/wine-run $(WIN32)/bench/effects_bench.exe
	@WINEPREFIX=$(CURDIR)/$(WIN32)/wine/prefix-x11 wineserver -k 2>/dev/null || true
	@echo "== picture ready against a plain decode, 6000 x 4000 JPEG"
	@cd $(WIN32)/bench && ../wine-run ./picture_bench.exe
	@echo "== start to first picture, and peak memory at 3840 x 2160 (the real player, Xvfb)"
	@sh bench/show_bench.sh $(CURDIR)/$(BENCH)/scrpack $(CURDIR)/$(WIN32) $(CURDIR)/$(BENCH)/show-bench
	@echo "== transition duration against delays + frames x R, every effect at 1920 x 1080 (Xvfb)"
	@xvfb-run -a -s "-screen 0 1920x1080x24" $(WIN32)/wine-run $(WIN32)/bench/effects_bench.exe duration
	@WINEPREFIX=$(CURDIR)/$(WIN32)/wine/prefix-x11 wineserver -k 2>/dev/null || true

# Every built transition effect as a strip of five moments: one PNG per family and the contact
# sheet build/gallery/catalogue.png.
gallery: win32
	@mkdir -p build/gallery
	@$(WIN32)/wine-run $(WIN32)/gallery.exe build/gallery

# The configuration dialog's three pages and the About dialog of the real player under Xvfb, as
# PNGs in build/screenshots/DPI, for a person to look at: at the screen scaling DPI (96, 120, 144,
# 192 dots per inch), or at all four without it. The show has long texts and two pictures.
DPI ?=
screenshots: win32
	@mkdir -p build/screenshots
	@$(WIN32)/wine-run $(WIN32)/tests/scenario/dialog_show.exe $(CURDIR)/build/screenshots/dialog.scr \
	    $(CURDIR)/$(WIN32)/player.scr long
	@for dpi in $(or $(DPI),96 120 144 192); do \
	    sh scripts/dialog-screenshots.sh $(CURDIR)/$(WIN32)/wine-run $(CURDIR)/build/screenshots/dialog.scr \
	        $(CURDIR)/build/screenshots/$$dpi $$dpi || exit 1; \
	done

# The demo show at one second between items, full screen under Xvfb, for SOAK_CHANGES item changes
# (about 5 s each): the player's GDI and USER objects, handles and private bytes must not grow.
soak: build
	@sh tests/soak/soak.sh $(NATIVE) $(WIN32) build/soak $(SOAK_CHANGES)

clean:
	rm -rf build
