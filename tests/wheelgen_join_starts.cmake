# wheelgen join with a folder for starts, then improve from one of them: the start names
# the join it came from, and the search keeps that in the note.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/raw)
file(WRITE ${WORK}/raw/p3a-z7-2if2.txt "wheel pick=3 type=a numbers=7 guarantee=\"2 if 2\" tickets=7
01-02-03\n01-04-05\n01-06-07\n02-04-06\n02-05-07\n03-04-07\n03-05-06\n")

foreach(bad "3;9;${WORK}/starts" "3;9;${WORK}/starts;0.9")
    execute_process(COMMAND ${WHEELGEN} join ${WORK}/raw ${bad} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    if(rc EQUAL 0)
        message(FATAL_ERROR "join took ${bad}")
    endif()
endforeach()

execute_process(COMMAND ${WHEELGEN} join ${WORK}/raw 3 9 ${WORK}/starts 1.3 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "joined wheels written\n[1-9][0-9]* starts written into")
    message(FATAL_ERROR "join wrote no starts: ${rc} ${out}")
endif()
# "2 if 3" on 9 numbers: one number beside the 8, where two parts of 4 and 5 do as well.
set(start ${WORK}/starts/p3a-z9-2if3.txt)
file(READ ${start} text)
if(NOT text MATCHES "^# joined from designs on two parts of 1 and 8 numbers[^\n]*\nwheel [^\n]* tickets=10\n")
    message(FATAL_ERROR "unexpected start: ${text}")
endif()

execute_process(COMMAND ${WHEELGEN} improve 2 ${start} RESULT_VARIABLE rc OUTPUT_QUIET)
file(READ ${start} text)
if(NOT rc EQUAL 0 OR NOT text MATCHES "^# joined from designs on two parts of 1 and 8 numbers, for each way a drawn set can fall into them; then searched [0-9.]+ s\nwheel [^\n]* tickets=[5-9]\n")
    message(FATAL_ERROR "the search from the start lost its note or gained nothing: ${text}")
endif()
execute_process(COMMAND ${WHEELGEN} verify ${start} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the wheel searched from the start does not hold")
endif()
