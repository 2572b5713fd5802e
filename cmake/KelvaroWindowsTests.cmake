# The Windows build of the Qt-free platform layer: tests/windows cross-compiled with MinGW-w64 into
# <build>/windows as part of the normal build, and run under Wine as the CTest test "windows".
find_program(KELVARO_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix)
find_program(KELVARO_WINE NAMES wine)
if(NOT KELVARO_MINGW_CXX OR NOT KELVARO_WINE)
    message(WARNING "MinGW-w64 or Wine is missing (scripts/setup.sh installs them): the test 'windows' fails")
    add_test(NAME windows COMMAND sh -c "echo 'MinGW-w64 or Wine is missing: run scripts/setup.sh' >&2; exit 1")
    return()
endif()

include(ExternalProject)
set(KELVARO_WINDOWS_LAUNCHER "")
if(CMAKE_CXX_COMPILER_LAUNCHER)
    set(KELVARO_WINDOWS_LAUNCHER -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
# The first entry is the folder above QtCore/.
list(GET Qt5Core_INCLUDE_DIRS 0 KELVARO_HOST_QT_INCLUDE)
ExternalProject_Add(kelvaro_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests/windows
    BINARY_DIR ${CMAKE_BINARY_DIR}/windows
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=Release ${KELVARO_WINDOWS_LAUNCHER}
               -DKELVARO_HOST_QT_INCLUDE=${KELVARO_HOST_QT_INCLUDE}
    # One job: it runs beside the main build's own jobs, which take far longer.
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -- -j1
    BUILD_ALWAYS ON
    LOG_CONFIGURE ON
    LOG_OUTPUT_ON_FAILURE ON
    INSTALL_COMMAND "")

add_test(NAME windows COMMAND sh ${PROJECT_SOURCE_DIR}/tests/windows/run.sh ${CMAKE_BINARY_DIR}/windows)
# The first run also makes the Wine prefix.
set_tests_properties(windows PROPERTIES TIMEOUT 900)
