# Each area lists its sources by folder so that adding a file needs no edit here.
function(kelvaro_glob_sources out)
    set(files)
    foreach(dir IN LISTS ARGN)
        # A listed folder that is gone is a stale list, not an empty one.
        if(NOT IS_DIRECTORY "${dir}")
            message(FATAL_ERROR "No source folder ${dir}")
        endif()
        file(GLOB found CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# AUTOMOC does not notice files that a re-glob adds (its Ninja rule only depends on the files it
# already knows), so a changed file list removes its stamp and makes it run again.
function(kelvaro_autogen_follows_sources target)
    set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt")
    string(REPLACE ";" "\n" content "${ARGN}")
    set(old "")
    if(EXISTS "${list_file}")
        file(READ "${list_file}" old)
    endif()
    if(NOT old STREQUAL "${content}\n")
        file(WRITE "${list_file}" "${content}\n")
        file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
    endif()
endfunction()
