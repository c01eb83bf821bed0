# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure bench clean fuzz

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/tarnwell

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/tarnwell_bench
	$(BUILD_DIR)/bench/tarnwell_ui_bench

# The project file reader under libFuzzer (clang); not part of `make test`.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	fuzz/install-clang
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/project_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=1024 \
		-dict=fuzz/project_file.dict $(FUZZ_DIR)/corpus tests/project_file/golden examples

clean:
	rm -rf $(BUILD_DIR)
