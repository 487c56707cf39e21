# Wheelwright - lottery wheeling
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks that every C++ source follows .clang-format, run as
#   cmake -DSOURCE_DIR=<checkout> -P format_check.cmake
# Without clang-format it prints "SKIPPED:" and passes as skipped. A file out of format is
# named; `clang-format -i <file>` mends it.

cmake_minimum_required(VERSION 3.22)

find_program(CLANG_FORMAT NAMES clang-format)
if(NOT CLANG_FORMAT)
    message("SKIPPED: clang-format is not installed (Debian: clang-format)")
    return()
endif()

set(sources)
foreach(folder src tools tests bench)
    file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
endforeach()
list(SORT sources)
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no C++ sources found under ${SOURCE_DIR}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE complaints)
if(NOT rc EQUAL 0)
    # clang-format says "file:line:column: error: code should be clang-formatted" per place.
    string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error:" places "${complaints}")
    set(files)
    foreach(place IN LISTS places)
        string(REGEX REPLACE ":[0-9]+:[0-9]+: error:$" "" file "${place}")
        list(APPEND files ${file})
    endforeach()
    list(REMOVE_DUPLICATES files)
    if(files)
        list(JOIN files "\n  " named)
        message(FATAL_ERROR "not in the format of .clang-format (mend with clang-format -i):\n  ${named}")
    endif()
    message(FATAL_ERROR "clang-format failed (${rc}):\n${complaints}")
endif()
message("${count} files follow .clang-format")
