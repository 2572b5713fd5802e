kelvaro_add_fuzzer(fuzz_smbios SOURCES tests/fuzz/fuzz_smbios.cpp src/platform/smbios.cpp src/platform/text.cpp)
