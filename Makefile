# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure bench clean fuzz sanitize

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

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a
# build of its own; not part of `make test`. The suppression files hold faults
# inside Qt and the system libraries only.
SANITIZE_DIR ?= build-sanitize
SANITIZERS = -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer \
	-fno-sanitize-recover=undefined,float-cast-overflow
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_FLAGS="$(SANITIZERS)" -DCMAKE_CXX_FLAGS="$(SANITIZERS)" \
		-DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/sanitize/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
