kelvaro_add_fuzzer(fuzz_edid SOURCES tests/fuzz/fuzz_edid.cpp src/platform/edid.cpp)
