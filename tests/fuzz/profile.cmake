kelvaro_add_fuzzer(fuzz_profile
    SOURCES tests/fuzz/fuzz_profile.cpp src/hardware/profile/profilejson.cpp src/hardware/profile/profiledata.cpp
            src/hardware/profile/jsonkinds.cpp src/hardware/profile/profilekinds.cpp
            src/hardware/profile/regularfile.cpp src/hardware/profile/regularfile_posix.cpp src/platform/value.cpp
    SEEDS tests/data/profiles tests/data/report tests/data/hardware tests/data/network)
