# wheelgen fixed (and anneal) over a folder: one design searched once (the type-a wheel before the key
# wheel of the same design), brought down to the plane, and left alone once at its record.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# The Fano plane and two lines more, as a type-a wheel and as the key wheel of pick 4.
set(lines 01-02-03 01-04-05 01-06-07 02-04-06 02-05-07 03-04-07 03-05-06 01-02-04 03-06-07)
set(typeA "wheel pick=3 type=a numbers=7 guarantee=\"2 if 2\" tickets=9\n")
set(key "wheel pick=4 type=k numbers=8 guarantee=\"3 if 3\" tickets=9\n")
foreach(line IN LISTS lines)
    string(APPEND typeA "${line}\n")
    string(REPLACE "-" ";" points "${line}")
    set(shifted "01")
    foreach(p IN LISTS points)
        math(EXPR q "${p} + 1")
        string(APPEND shifted "-0${q}")
    endforeach()
    string(APPEND key "${shifted}\n")
endforeach()
file(WRITE ${WORK}/p3a-z7-2if2.txt "${typeA}")
file(WRITE ${WORK}/p4k-z8-3if3.txt "${key}")
file(WRITE ${WORK}/records.csv "v,k,t,m,record,lower_bound,source\n7,3,2,2,7,7,test\n")

# Runs `command` (fixed or anneal) over the folder, with any arguments more, and checks
# that it searched the design once, down to the plane, and wrote the wheel with the note
# that starts with `how`.
function(bring_down_to_the_plane command how)
    execute_process(COMMAND ${WHEELGEN} ${command} 10 ${WORK} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "^1 designs to search at a fixed count\np3a-z7-2if2.txt: 9 -> 7 ")
        message(FATAL_ERROR "${command} did not bring the design down to the plane once: ${rc} ${out}")
    endif()
    file(READ ${WORK}/p3a-z7-2if2.txt found)
    if(NOT found MATCHES "^# ${how} at a fixed count: 7 lines in [0-9.]+ s\nwheel pick=3 type=a numbers=7 guarantee=\"2 if 2\" tickets=7\n")
        message(FATAL_ERROR "the wheel ${command} found was not written with its note: ${found}")
    endif()
endfunction()

bring_down_to_the_plane(fixed searched ${WORK}/records.csv)
file(READ ${WORK}/p4k-z8-3if3.txt keyAfter)
if(NOT keyAfter STREQUAL key)
    message(FATAL_ERROR "the key wheel of the same design was searched again: ${keyAfter}")
endif()
execute_process(COMMAND ${WHEELGEN} verify ${WORK}/p3a-z7-2if2.txt RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the wheel written does not hold")
endif()
# At its record now: nothing left to do.
execute_process(COMMAND ${WHEELGEN} fixed 10 ${WORK} ${WORK}/records.csv OUTPUT_VARIABLE out)
if(NOT out MATCHES "^0 designs to search at a fixed count\n")
    message(FATAL_ERROR "a design at its record was searched again: ${out}")
endif()
# Annealing takes the same designs the same way and says so in the note.
file(WRITE ${WORK}/p3a-z7-2if2.txt "${typeA}")
bring_down_to_the_plane(anneal annealed)
