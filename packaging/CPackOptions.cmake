# Wheelwright - lottery wheeling
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Read by cpack when it packs, after the build. The package description counts the wheels in
# the database the package carries, so its figures follow the catalogue instead of going
# stale. Without the sqlite3 program the description gives no figures.

if(NOT CPACK_WHEELWRIGHT_SQLITE3)
    message(STATUS "sqlite3 (Debian: sqlite3) was not found: the description counts no wheels")
    return()
endif()
execute_process(COMMAND ${CPACK_WHEELWRIGHT_SQLITE3} -readonly -batch -noheader -separator " "
                        ${CPACK_WHEELWRIGHT_DATABASE} "SELECT count(*), max(zoption) FROM wheelsurvey"
                RESULT_VARIABLE rc OUTPUT_VARIABLE counts ERROR_VARIABLE error
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0 OR NOT counts MATCHES "^([1-9][0-9]*) ([1-9][0-9]*)$")
    message(FATAL_ERROR "cannot count the wheels in ${CPACK_WHEELWRIGHT_DATABASE}: ${counts}${error}")
endif()
set(wheels ${CMAKE_MATCH_1})
set(most_numbers ${CMAKE_MATCH_2})
# 3847 reads 3,847, as the rest of the English text writes its thousands.
while(wheels MATCHES "^([0-9]+)([0-9][0-9][0-9])(.*)$")
    set(wheels "${CMAKE_MATCH_1},${CMAKE_MATCH_2}${CMAKE_MATCH_3}")
endwhile()
string(APPEND CPACK_PACKAGE_DESCRIPTION
       "\nIt ships ${wheels} type-a and key wheels, for up to ${most_numbers} numbers.")
