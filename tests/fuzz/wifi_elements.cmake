kelvaro_add_fuzzer(fuzz_wifi_elements SOURCES tests/fuzz/fuzz_wifi_elements.cpp src/platform/linux/wifi_elements.cpp)
