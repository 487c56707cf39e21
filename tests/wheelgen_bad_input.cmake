# Each broken source must make build-db fail, name file:line, and leave no database.
set(lotteries "country,lotteryname,ifrom,imatch\nAustralia,Saturday Lotto,45,6\n")
set(cases
    "malformed|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-6\n|pick6.txt:2"
    "out of range|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-08\n|pick6.txt:2"
    "repeated|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-05\n|pick6.txt:2"
    "wrong length|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05\n|pick6.txt:2"
    "bad label|wheel pick=6 type=a numbers=7 guarantee=\"six if six\" tickets=1\n01-02-03-04-05-06\n|pick6.txt:1"
    "ticket count|wheel pick=6 type=a numbers=7 guarantee=\"5 if 6\" tickets=3\n01-02-03-04-05-06\n|pick6.txt:1"
    "false guarantee|wheel pick=6 type=a numbers=7 guarantee=\"6 if 6\" tickets=1\n01-02-03-04-05-06\n|pick6.txt:1")
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
    if(EXISTS ${WORK}/out.sqlite3 OR EXISTS ${WORK}/out.sqlite3.part)
        message(FATAL_ERROR "${name}: a partial database was left behind")
    endif()
endforeach()
# A malformed lottery row is refused the same way.
file(WRITE ${WORK}/data/wheels/pick6.txt "")
file(WRITE ${WORK}/data/lotteries.csv "country,lotteryname,ifrom,imatch\nAtlantis,Lotto,45,6\n")
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "lotteries.csv:2")
    message(FATAL_ERROR "a lottery of an unknown country was accepted: ${err}")
endif()
