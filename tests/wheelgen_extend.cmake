# wheelgen extend over a folder: the planes of the cube over GF(2) (every triple of 8 numbers
# once), each given one of 4 new numbers, make a wheel of pick 5 on 12 smaller than the one there.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(planes "wheel pick=4 type=a numbers=8 guarantee=\"3 if 3\" tickets=14\n")
foreach(line 01-02-03-04 01-02-05-06 01-02-07-08 01-03-05-07 01-03-06-08 01-04-05-08 01-04-06-07 02-03-05-08
             02-03-06-07 02-04-05-07 02-04-06-08 03-04-05-06 03-04-07-08 05-06-07-08)
    string(APPEND planes "${line}\n")
endforeach()
file(WRITE ${WORK}/p4a-z8-3if3.txt "${planes}")
# A wheel at its record (29) and two lines more.
set(wheel "wheel pick=5 type=a numbers=12 guarantee=\"3 if 3\" tickets=31\n")
foreach(line 01-02-03-06-10 01-02-04-08-09 01-02-05-07-11 01-02-07-09-12 01-03-04-07-10 01-03-05-08-11
             01-03-08-09-12 01-04-05-06-11 01-04-06-09-12 01-05-06-09-10 01-05-09-11-12 01-06-07-08-10
             01-06-10-11-12 02-03-04-05-09 02-03-04-11-12 02-03-05-10-11 02-03-07-08-10 02-03-09-10-12
             02-04-06-07-10 02-05-06-08-12 02-06-08-09-11 03-04-06-08-11 03-05-06-07-12 03-06-07-09-11
             04-05-07-08-12 04-05-08-10-12 04-07-09-10-11 05-07-08-09-10 07-08-10-11-12 01-02-03-04-05
             06-07-08-09-10)
    string(APPEND wheel "${line}\n")
endforeach()
file(WRITE ${WORK}/p5a-z12-3if3.txt "${wheel}")
file(WRITE ${WORK}/records.csv "v,k,t,m,record,lower_bound,source\n12,5,3,3,29,27,test\n")

execute_process(COMMAND ${WHEELGEN} extend 5 ${WORK} ${WORK}/records.csv RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^1 designs to extend\np5a-z12-3if3.txt: 31 -> (29|30) \\(from p4a-z8-3if3.txt and 4 numbers more, ")
    message(FATAL_ERROR "extend did not make the wheel smaller: ${rc} ${out}")
endif()
file(READ ${WORK}/p5a-z12-3if3.txt found)
if(NOT found MATCHES "^# extended from the 14 lines of pick 4 type-a \"3 if 3\" on 8 numbers, each with one of 4 numbers more, [^\n]*\nwheel pick=5 type=a numbers=12 guarantee=\"3 if 3\" tickets=(29|30)\n")
    message(FATAL_ERROR "the wheel extend found was not written with its note: ${found}")
endif()
execute_process(COMMAND ${WHEELGEN} verify ${WORK}/p5a-z12-3if3.txt RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the wheel written does not hold")
endif()
