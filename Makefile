# The two commands: `make run` and `make test`. Each does all set-up first.
JOBS ?= 2
MAKEFLAGS += --no-print-directory
BUILD := build
TEST_BUILD := build-test
FUZZ_BUILD := build-fuzz
DEMO := $(BUILD)/demo
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test fuzz clean format

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DQUADREL_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@mkdir -p $(DEMO)
	./$(BUILD)/quadrel samples --dir $(DEMO)
	./$(BUILD)/quadrel limits --grid $(DEMO)/QDLGrid.SAM --set 1
	./$(BUILD)/quadrel limits --grid $(DEMO)/QDLGrid.SAM --set 2

test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUADREL_SANITIZE=ON >/dev/null
	@cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)

fuzz:
	@bash scripts/install-deps.sh fuzz
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUADREL_FUZZ=ON -DQUADREL_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD)
