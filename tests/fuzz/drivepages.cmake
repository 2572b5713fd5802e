kelvaro_add_fuzzer(fuzz_drivepages SOURCES tests/fuzz/fuzz_drivepages.cpp src/hardware/drivepages.cpp src/platform/ata.cpp src/platform/text.cpp)
