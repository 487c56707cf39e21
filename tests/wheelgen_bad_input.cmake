# Each broken source must make build-db fail, name file:line, leave no database and leak nothing.
set(lotteries "country,lotteryname,ifrom,imatch\nAustralia,Saturday Lotto,45,6\n")
set(cases
    "malformed|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-6\n|pick6.txt:2"
    "out of range|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-08\n|pick6.txt:2"
    "repeated|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-05\n|pick6.txt:2"
    "wrong length|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05\n|pick6.txt:2"
    "bad label|wheel pick=6 type=a numbers=7 guarantee=\"six if six\" tickets=1\n01-02-03-04-05-06\n|pick6.txt:1"
    "ticket count|wheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=3\n01-02-03-04-05-06\n|pick6.txt:1"
    "false guarantee|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-06\n|pick6.txt:1"
    "extra line|wheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=1\n01-02-03-04-05-06\n01-02-03-04-05-07\n|pick6.txt:3: .*one more"
    "listed twice|wheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=1\n01-02-03-04-05-06\n\nwheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=1\n02-03-04-05-06-07\n|pick6.txt:4: the pick 6 type-a wheel \"5 if 6\" on 7 numbers \\(1 tickets\\) is listed twice \\(first at .*pick6.txt:1\\)"
    "pointless|wheel pick=6 type=a numbers=7 guarantee=\"4 if 6\" tickets=1\n01-02-03-04-05-06\n\nwheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=1\n02-03-04-05-06-07\n|pick6.txt:1: the pick 6 type-a wheel \"4 if 6\" .* is made pointless by the pick 6 type-a wheel \"5 if 6\"")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 text)
    list(GET fields 2 where)
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK}/data/wheels)
    string(REPLACE "\\n" "\n" text "${text}")
    string(REPLACE "\\n" "\n" lot "${lotteries}")
    file(WRITE ${WORK}/data/wheels/pick6.txt "${text}")
    file(WRITE ${WORK}/data/lotteries.csv "${lot}")
    execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3
        RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0)
        message(FATAL_ERROR "${name}: build-db accepted a broken source")
    endif()
    if(NOT err MATCHES "${where}")
        message(FATAL_ERROR "${name}: expected ${where} in the message, got: ${err}")
    endif()
    if(err MATCHES "not an error|LeakSanitizer")
        message(FATAL_ERROR "${name}: a misleading message or a leak: ${err}")
    endif()
    file(GLOB left ${WORK}/out.sqlite3*)
    if(left)
        message(FATAL_ERROR "${name}: a partial database was left behind: ${left}")
    endif()
endforeach()
# A malformed lottery row is refused the same way.
file(WRITE ${WORK}/data/wheels/pick6.txt "")
file(WRITE ${WORK}/data/lotteries.csv "country,lotteryname,ifrom,imatch\nAtlantis,Lotto,45,6\n")
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "lotteries.csv:2")
    message(FATAL_ERROR "a lottery of an unknown country was accepted: ${err}")
endif()

# Two builds into one output at once each write a file of their own and both succeed.
file(WRITE ${WORK}/data/wheels/pick6.txt
     "wheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=1\n01-02-03-04-05-06\n")
file(WRITE ${WORK}/data/lotteries.csv "country,lotteryname,ifrom,imatch\nAustralia,Saturday Lotto,45,6\n")
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3
                COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3
                RESULTS_VARIABLE rcs ERROR_VARIABLE err)
file(GLOB left ${WORK}/out.sqlite3.*)
if(NOT rcs STREQUAL "0;0" OR NOT EXISTS ${WORK}/out.sqlite3 OR left)
    message(FATAL_ERROR "two builds into one output clashed (${rcs}): ${err} ${left}")
endif()

# Help and version go to the standard output and succeed; an unknown word is refused.
execute_process(COMMAND ${WHEELGEN} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "wheelgen build-db" OR NOT out MATCHES "wheelgen proof-times"
   OR NOT out MATCHES "wheelgen join")
    message(FATAL_ERROR "--help: ${rc} ${out}")
endif()
execute_process(COMMAND ${WHEELGEN} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^wheelgen [0-9]+\\.[0-9]+")
    message(FATAL_ERROR "--version: ${rc} ${out}")
endif()
execute_process(COMMAND ${WHEELGEN} --frobnicate RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "usage:" OR NOT out STREQUAL "")
    message(FATAL_ERROR "an unknown argument: ${rc} ${out} ${err}")
endif()
