kelvaro_add_fuzzer(fuzz_wql SOURCES tests/fuzz/fuzz_wql.cpp src/platform/wql.cpp src/platform/value.cpp)
