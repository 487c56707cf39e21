# wheelgen groups over a range of numbers with no wheels yet: the Fano plane is one orbit of
# the translations of GF(7); each guarantee is tried once, and a group name that matches
# nothing finds nothing.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/records.csv "v,k,t,m,record,lower_bound,source\n7,3,2,2,7,7,test\n")

execute_process(COMMAND ${WHEELGEN} groups 0.2 ${WORK} ${WORK}/records.csv 1.0 3 7-7 RESULT_VARIABLE rc
                OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "\np3a-z7-2if2.txt: none -> 7\n")
    message(FATAL_ERROR "groups did not find the plane: ${rc} ${out}")
endif()
file(READ ${WORK}/p3a-z7-2if2.txt found)
if(NOT found MATCHES "^# kept by the group [^\n]+: 1 orbits of lines, 7 lines; then searched [0-9.]+ s\nwheel pick=3 type=a numbers=7 guarantee=\"2 if 2\" tickets=7\n")
    message(FATAL_ERROR "the wheel found was not written with its note: ${found}")
endif()
execute_process(COMMAND ${WHEELGEN} verify ${WORK} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "a wheel written does not hold")
endif()
# Every guarantee was tried: a rerun has nothing left to do.
execute_process(COMMAND ${WHEELGEN} groups 0.2 ${WORK} ${WORK}/records.csv 1.0 3 7-7 OUTPUT_VARIABLE out)
if(NOT out MATCHES "^0 wheels to search\n")
    message(FATAL_ERROR "the rerun searched again: ${out}")
endif()
execute_process(COMMAND ${WHEELGEN} group 3 a 7 2 2 0.2 1 "no such group" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_QUIET)
if(rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "a group name matching nothing still gave a wheel: ${out}")
endif()
# Trying every choice of orbits: the plane at 7 lines, with its note; nothing at 6 (below
# the counting bound), which exits with 1 rather than print a wheel.
execute_process(COMMAND ${WHEELGEN} exact 3 a 7 2 2 7 1 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^# kept by the group [^\n]+, every choice of its orbits tried: 1 orbits of lines, 7 lines\nwheel pick=3 type=a numbers=7 guarantee=\"2 if 2\" tickets=7\n")
    message(FATAL_ERROR "exact did not find the plane: ${rc} ${out}")
endif()
execute_process(COMMAND ${WHEELGEN} exact 3 a 7 2 2 6 1 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
if(rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "exact found a wheel below the bound: ${out}")
endif()
