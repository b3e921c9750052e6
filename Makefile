# make run   installs what is missing, builds, starts Velinka on demo data
# make test  installs what is missing, builds, runs every test
BUILD ?= build
DEMO  ?= demo
JOBS  ?= 2

.PHONY: all setup build test run demo clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The demo folder holds app_path.txt (the program's working folder) and the
# data folder with a seeded database; it is made once and then kept.
demo: build
	@if [ ! -f $(DEMO)/data/dat_clinic.abs ]; then \
	  $(BUILD)/velinka-demo --folder $(DEMO)/data --months 4; fi
	@printf '%s/' "$$(cd $(DEMO)/data && pwd)" > $(DEMO)/app_path.txt

run: demo
	cd $(DEMO) && ../$(BUILD)/velinka

clean:
	rm -rf $(BUILD)
