# The two commands: `make run` and `make test`. Each does all set-up first.
JOBS ?= 2
MAKEFLAGS += --no-print-directory
BUILD := build
TEST_BUILD := build-test
FUZZ_BUILD := build-fuzz
BENCH_BUILD := build-bench
WINDOWS_BUILD := build-windows
DEMO := $(BUILD)/demo
FUZZ_SECONDS ?= 60
# Debian's interpreter: python3-ezdxf is installed for it, not for one that
# may come first on PATH.
PYTHON3 ?= /usr/bin/python3

.PHONY: all deps build run test fuzz bench package windows clean format

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DQUADREL_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@bash scripts/run-demo.sh $(BUILD) $(DEMO) $(PYTHON3)

test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUADREL_SANITIZE=ON \
	  -DQUADREL_WERROR=ON >/dev/null
	@cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)

fuzz:
	@bash scripts/install-deps.sh fuzz
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUADREL_FUZZ=ON -DQUADREL_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DQUADREL_BENCH=ON \
	  -DQUADREL_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS) --target quadrel_dxf_bench quadrel_data_file_bench \
	  quadrel_preview_bench quadrel
	./$(BENCH_BUILD)/bench/quadrel_dxf_bench $(BENCH_BUILD)/tmp
	./$(BENCH_BUILD)/bench/quadrel_data_file_bench $(BENCH_BUILD)/tmp
	./$(BENCH_BUILD)/bench/quadrel_preview_bench $(BENCH_BUILD)/tmp
	@bash bench/startup.sh $(BENCH_BUILD)/quadrel

# Installs dpkg-dev and file first: CPack needs them to list the package's
# library dependencies, and the configure step of `make build` looks for them.
package:
	@bash scripts/install-deps.sh package
	@$(MAKE) build
	@rm -f $(BUILD)/quadrel_*.deb
	@cd $(BUILD) && cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls $(BUILD)/quadrel_*.deb

# quadrel.exe and the Qt-free tests for Windows, cross-compiled with mingw-w64
# and run through wine (installs both, about 1.1 GB, when missing); then, when
# `make test` has built the Linux program, the two programs' files compared.
windows:
	@bash scripts/install-deps.sh windows
	@bash scripts/build-windows.sh $(WINDOWS_BUILD) $(JOBS)
	@if [ -x $(TEST_BUILD)/quadrel ]; then \
	  bash scripts/compare-windows.sh $(TEST_BUILD)/quadrel $(WINDOWS_BUILD)/quadrel.exe \
	    $(WINDOWS_BUILD)/compare; \
	else \
	  echo "note: no $(TEST_BUILD)/quadrel (make test builds it), so no comparison with it"; \
	fi

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(WINDOWS_BUILD)
