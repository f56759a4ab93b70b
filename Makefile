# The two commands of ORVA: `make run` and `make test`.
BUILD_DIR  ?= build
FUZZ_DIR   ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DORVA_WERROR=ON
endif

.PHONY: all deps configure build run test fuzz bench snapshots clean

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
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz; \
	 else echo "clang++ not found: fuzz targets skipped"; fi

# Builds the libFuzzer targets with clang and runs each one briefly.
fuzz:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DORVA_FUZZ=ON -DORVA_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	cd $(FUZZ_DIR) && ctest --output-on-failure

bench: build
	@for b in $(BUILD_DIR)/bench/*/orva_bench_*; do [ -x "$$b" ] && "$$b"; done

snapshots: build
	bash scripts/snapshots.sh

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
