# The two commands of ORVA: `make run` and `make test`.
BUILD_DIR  ?= build
FUZZ_DIR   ?= build-fuzz
PACKAGE_DIR ?= build-package
WINDOWS_DIR ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DORVA_WERROR=ON
endif

.PHONY: all deps configure build run test fuzz bench snapshots package windows-test clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/orva

test: build
	bash scripts/check-no-addresses.sh
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory package
	bash scripts/check-package.sh $(PACKAGE_DIR)
	@if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then \
	  $(MAKE) --no-print-directory windows-test; else echo "mingw-w64 or Wine not found: Windows tests skipped"; fi
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz; \
	 else echo "clang++ not found: fuzz targets skipped"; fi

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

# The core and the Windows platform code cross-built with mingw-w64, tests run under Wine in a
# Wine prefix of their own.
windows-test: deps
	bash scripts/build-windows-deps.sh $(WINDOWS_DIR)/deps
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DORVA_MINGW_DEPS=$(abspath $(WINDOWS_DIR))/deps
	WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine WINEDEBUG=-all /usr/lib/wine/wine64 wineboot --init
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	cd $(WINDOWS_DIR) && WINEPREFIX=$(abspath $(WINDOWS_DIR))/wine WINEDEBUG=-all ctest --output-on-failure

# Every benchmark program; the folders CMake makes beside them (orva_bench_*_autogen) are not run.
bench: build
	@find $(BUILD_DIR)/bench -type f -perm -u+x -name 'orva_bench_*' | sort | \
	  while read -r b; do echo "== $$b"; "$$b" < /dev/null || exit 1; done

snapshots: build
	bash scripts/snapshots.sh

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(PACKAGE_DIR) $(WINDOWS_DIR)
