# Zorlin: `make run` sets up a fresh Debian 12 machine, builds and starts the game; `make test` runs every test.
# Missing Debian packages are installed with apt when run as root; otherwise the command to run is printed.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

PACKAGES = cmake g++ make pkg-config python3 lame fonts-comfortaa \
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libpng-dev \
  nlohmann-json3-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev

.PHONY: all deps configure build run test test-asan bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages:$$missing"; echo "Run: sudo apt-get install$$missing"; exit 1; \
	  fi; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/zorlin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

test-asan:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Debug -DZORLIN_SANITIZE=ON -DZORLIN_BENCH=OFF"

bench: build
	./$(BUILD)/bin/zorlin_bench

clean:
	rm -rf $(BUILD) build-asan
