# SPDX-License-Identifier: Apache-2.0
# The two commands of ORVA: `make run` and `make test`.
BUILD_DIR  ?= build
FUZZ_DIR   ?= build-fuzz
PACKAGE_DIR ?= build-package
SANITIZE_DIR ?= build-sanitize
WINDOWS_DIR ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 20
# The developers' build: the tests point ORVA_SETTINGS_DIR at folders of their own.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVA_DEV_SETTINGS_OVERRIDE=ON
ifeq ($(CI),true)
CMAKE_FLAGS += -DORVA_WERROR=ON
endif

.PHONY: all deps configure build run test format-check sanitize fuzz bench snapshots package windows-deps \
  windows-build windows-test windows-installer windows-snapshots clean

all: build

deps:
	bash scripts/install-deps.sh

# Configuring and building need no installing: deps runs only where a target says so.
configure:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps
	$(MAKE) --no-print-directory build
	./$(BUILD_DIR)/src/app/orva

test: deps
	$(MAKE) --no-print-directory format-check
	bash scripts/check-licence-lines.sh
	bash scripts/check-no-addresses.sh
	$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory package
	bash scripts/check-package.sh $(PACKAGE_DIR)
	@if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then \
	  $(MAKE) --no-print-directory windows-test; else echo "mingw-w64 or Wine not found: Windows tests skipped"; fi
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz; \
	 else echo "clang++ not found: fuzz targets skipped"; fi

# The C++ files of scripts/formatted-files.txt as .clang-format lays them out; clang-format -i
# on a file puts it right.
format-check:
	bash scripts/format-check.sh

# The unit, command-line and UI tests once more, built for debugging with AddressSanitizer and
# UndefinedBehaviorSanitizer: any memory fault, leak or undefined behaviour fails them. The
# kill and concurrency runs and the LibreOffice rendering test what the sanitizers cannot see
# and are left to the main run. No leak is suppressed.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVA_SANITIZE=ON -DORVA_DEV_SETTINGS_OVERRIDE=ON \
	  $(if $(filter true,$(CI)),-DORVA_WERROR=ON)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Builds the libFuzzer targets with clang and runs each one briefly.
fuzz:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DORVA_FUZZ=ON -DORVA_FUZZ_SECONDS=$(FUZZ_SECONDS) \
	  $(if $(filter true,$(CI)),-DORVA_WERROR=ON)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	cd $(FUZZ_DIR) && ctest --output-on-failure

# The Debian package, built as it is installed: release build, installed under /usr, export
# passwords read only from the system location.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_BENCH=OFF -DORVA_DEV_SETTINGS_OVERRIDE=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

# Windows: the programs cross-built with mingw-w64 against Qt for Windows, which
# scripts/build-windows-qt.sh builds once per machine (about half an hour) and keeps outside the
# clone. The tests run under Wine in a Wine prefix of the build's own; the installer is checked
# by installing it into a fresh one.
WINDOWS_CMAKE = cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DORVA_MINGW_DEPS=$(abspath $(WINDOWS_DIR))/deps $(if $(filter true,$(CI)),-DORVA_WERROR=ON)

windows-deps: deps
	bash scripts/build-windows-deps.sh $(WINDOWS_DIR)/deps
	nice bash scripts/build-windows-qt.sh > /dev/null

# The tests point ORVA_SETTINGS_DIR at folders of their own, as in the developers' build.
windows-build: windows-deps
	$(WINDOWS_CMAKE) -S . -B $(WINDOWS_DIR) -DORVA_MINGW_QT=$$(bash scripts/build-windows-qt.sh) \
	  -DORVA_DEV_SETTINGS_OVERRIDE=ON
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	WINEDLLOVERRIDES="mscoree,mshtml=" $(WINDOWS_DIR)/wine-run wineboot --init

# Wine's server and services are started before the tests and outside them: started by the
# first test, they would hold its output open and CTest would wait for them.
WINE_SERVER = WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine /usr/lib/wine/wineserver

windows-test: windows-build windows-installer
	-$(WINE_SERVER) -k 2> /dev/null
	$(WINE_SERVER) -p < /dev/null > /dev/null 2>&1
	$(WINDOWS_DIR)/wine-run wineboot > /dev/null 2>&1
	cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS); status=$$?; $(WINE_SERVER) -k; exit $$status
	bash tests/windows/check-installer.sh $(WINDOWS_DIR)

# Every screen the UI tests visit, as the program shows it on Windows (under Wine and Xvfb).
windows-snapshots: windows-build
	bash scripts/snapshots.sh $(WINDOWS_DIR)

# The installer is built as the package is: a release build of the programs only, which reads
# the export passwords from the machine folder only.
windows-installer: windows-deps
	$(WINDOWS_CMAKE) -S . -B $(WINDOWS_DIR)/installer -DORVA_MINGW_QT=$$(bash scripts/build-windows-qt.sh) \
	  -DORVA_BUILD_TESTS=OFF -DORVA_DEV_SETTINGS_OVERRIDE=OFF -DORVA_INSTALLER_DIR=$(abspath $(WINDOWS_DIR))
	cmake --build $(WINDOWS_DIR)/installer -j $(JOBS) --target windows-installer

# Every benchmark program; the folders CMake makes beside them (orva_bench_*_autogen) are not run.
bench: build
	@find $(BUILD_DIR)/bench -type f -perm -u+x -name 'orva_bench_*' | sort | \
	  while read -r b; do echo "== $$b"; "$$b" < /dev/null || exit 1; done

snapshots: build
	bash scripts/snapshots.sh

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(PACKAGE_DIR) $(WINDOWS_DIR) $(SANITIZE_DIR)
