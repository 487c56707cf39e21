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
# The lottery facts are read strictly too: a count out of range, a price without a currency or a
# row longer than the header names the line and builds nothing.
file(WRITE ${WORK}/data/wheels/pick6.txt "")
set(header "country,lotteryname,ifrom,imatch,drawn,supplementary,bonuspool,bonuspick,lowestprize_main,lowestprize_bonus,price,currency")
set(lottery_cases
    "pool over 99|Australia,Lotto,100,6"
    "pick over the pool|Australia,Lotto,10,11"
    "drawn not a number|Australia,Lotto,45,6,six"
    "drawn over the pool|Australia,Lotto,45,6,46"
    "supplementary past the pool|Australia,Lotto,45,6,6,40"
    "bonus pick over the bonus pool|Australia,Lotto,45,6,6,0,5,6"
    "bonus pick without a bonus pool|Australia,Lotto,45,6,6,0,0,1"
    "lowest prize past the draw|Australia,Lotto,45,6,6,0,0,,7,0"
    "lowest prize needing nothing|Australia,Lotto,45,6,6,0,0,,0,0"
    "price without a currency|Australia,Lotto,45,6,6,0,0,,3,0,2.50,"
    "currency not a code|Australia,Lotto,45,6,6,0,0,,3,0,2.50,euro"
    "negative price|Australia,Lotto,45,6,6,0,0,,3,0,-1,EUR"
    "more fields than the header|Australia,Lotto,45,6,6,0,0,,3,0,1,EUR,extra")
foreach(case IN LISTS lottery_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 row)
    file(WRITE ${WORK}/data/lotteries.csv "${header}\nAustralia,Saturday Lotto,45,6\n${row}\n")
    execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR NOT err MATCHES "lotteries.csv:3" OR EXISTS ${WORK}/out.sqlite3)
        message(FATAL_ERROR "${name}: expected lotteries.csv:3 and no database, got: ${err}")
    endif()
endforeach()
# Bytes that are not UTF-8 text (written with printf, as CMake strings cannot hold them).
set(byte_cases
    "invalid byte|Australia,Lott\\377,45,6"
    "NUL byte|Australia,Lo\\000tto,45,6"
    "cut-off sequence|Australia,Lott\\303,45,6"
    "overlong form|Australia,\\300\\257,45,6"
    "surrogate|Australia,\\355\\240\\200,45,6")
foreach(case IN LISTS byte_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 row)
    file(REMOVE ${WORK}/data/lotteries.csv)
    execute_process(COMMAND printf "${header}\\nAustralia,Saturday Lotto,45,6\\n${row}\\n"
        OUTPUT_FILE ${WORK}/data/lotteries.csv)
    execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR NOT err MATCHES "lotteries.csv:3: (is not valid UTF-8|holds a NUL byte)"
       OR EXISTS ${WORK}/out.sqlite3)
        message(FATAL_ERROR "${name}: expected lotteries.csv:3 and no database, got: ${err}")
    endif()
endforeach()
# A byte order mark in front and non-ASCII names are fine.
execute_process(COMMAND printf "\\357\\273\\277${header}\\nTurkey,\\303\\207\\304\\261lg\\304\\261n Say\\304\\261sal Loto,90,6,6,1,0,,2,0,,\\n"
    OUTPUT_FILE ${WORK}/data/lotteries.csv)
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/out.sqlite3)
    message(FATAL_ERROR "a lotteries file with a byte order mark was refused: ${err}")
endif()
file(REMOVE ${WORK}/out.sqlite3)

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
