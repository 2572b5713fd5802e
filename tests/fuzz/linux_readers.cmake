# Each recorded system tree becomes one input in the target's tree format: "@@ path" and the
# file's text, "@@x path" and its bytes in hexadecimal when they hold a zero, "@@> path target"
# for a link.
function(kelvaro_pack_sysroot tree output)
    file(WRITE "${output}" "")
    file(GLOB_RECURSE entries LIST_DIRECTORIES false RELATIVE "${tree}" "${tree}/*")
    foreach(entry IN LISTS entries)
        set(path "${tree}/${entry}")
        if(IS_SYMLINK "${path}")
            file(READ_SYMLINK "${path}" target)
            file(APPEND "${output}" "@@> ${entry} ${target}\n")
            continue()
        endif()
        file(SIZE "${path}" size)
        if(size GREATER 65536)
            continue()
        endif()
        file(READ "${path}" text)
        string(LENGTH "${text}" length)
        if(length EQUAL size)
            file(APPEND "${output}" "@@ ${entry}\n${text}\n")
        else()
            file(READ "${path}" hex HEX)
            file(APPEND "${output}" "@@x ${entry}\n${hex}\n")
        endif()
    endforeach()
endfunction()

set(linux_seeds "${CMAKE_CURRENT_BINARY_DIR}/fuzz_linux_readers_seeds")
file(MAKE_DIRECTORY "${linux_seeds}")
foreach(family sysroots sysroots-graphics sysroots-power)
    file(GLOB trees LIST_DIRECTORIES true "${PROJECT_SOURCE_DIR}/tests/data/${family}/*")
    foreach(tree IN LISTS trees)
        if(IS_DIRECTORY "${tree}")
            get_filename_component(machine "${tree}" NAME)
            kelvaro_pack_sysroot("${tree}" "${linux_seeds}/${family}-${machine}.tree")
        endif()
    endforeach()
endforeach()

file(GLOB linux_reader_sources RELATIVE "${PROJECT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/src/platform/linux/*.cpp")
# Sources that speak to the kernel or the buses rather than to files stay out.
list(FILTER linux_reader_sources EXCLUDE REGEX "/(bluez|bluetooth|nl80211_parse|wlan|linux_source|network|sampling|drives|firmware)\\.cpp$")
kelvaro_add_fuzzer(fuzz_linux_readers
    SOURCES tests/fuzz/fuzz_linux_readers.cpp ${linux_reader_sources} src/platform/ata.cpp src/platform/edid.cpp
            src/platform/text.cpp src/platform/smbios.cpp src/platform/value.cpp src/platform/wql.cpp
            src/platform/variant_conversion.cpp
    SEEDS "${linux_seeds}"
    # The backend class itself stays out, so its type information is missing for the vptr check.
    OPTIONS -isystem /usr/include/libdrm -ldrm -fno-sanitize=vptr)
