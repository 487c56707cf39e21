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
set(header "country,lotteryname,ifrom,imatch,drawn,supplementary,bonuspool,bonuspick,lowestprize_main,lowestprize_bonus,price,currency,factsread")
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
    "facts read not a month|Australia,Lotto,45,6,6,0,0,,3,0,1,EUR,2026-13"
    "facts read not a date|Australia,Lotto,45,6,6,0,0,,3,0,1,EUR,Dec 2026"
    "more fields than the header|Australia,Lotto,45,6,6,0,0,,3,0,1,EUR,2026-12,extra")
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

# The prize tiers beside lotteries.csv are read as strictly: each bad row names
# prize-tiers.csv and its line, and no database is written.
file(WRITE ${WORK}/data/wheels/pick6.txt "")
file(WRITE ${WORK}/data/lotteries.csv "${header}\nCanada,Lotto 6/49,49,6,6,1,0,,2,0,3.00,CAD\n"
                                      "United States,Powerball,69,5,5,0,26,1,0,1,2.00,USD\n")
set(tier_header "country,lotteryname,tier,name,main,supplementary,bonus,prize,currency")
set(six "Canada,Lotto 6/49,1,6 matches,6,0,0,shared,")
set(tier_cases
    "unknown lottery|${six}\nCanada,Lotto 7/50,1,7 matches,7,0,0,shared,|:3: .*not in lotteries.csv"
    "rows apart|${six}\nUnited States,Powerball,1,5 + Powerball,5,0,1,shared,\nCanada,Lotto 6/49,2,5 matches,5,0,0,shared,|:4: .*together"
    "first tier not 1|Canada,Lotto 6/49,2,6 matches,6,0,0,shared,|:2: tier 2 follows tier 0"
    "tier skipped|${six}\nCanada,Lotto 6/49,3,5 matches,5,0,0,shared,|:3: tier 3 follows tier 1"
    "main past the draw|Canada,Lotto 6/49,1,7 matches,7,0,0,shared,|:2: main must be"
    "supplementary not drawn|United States,Powerball,1,5 + ball,5,1,0,shared,|:2: supplementary must be"
    "bonus without a pool|Canada,Lotto 6/49,1,6 + star,6,0,1,shared,|:2: bonus must be"
    "more than a ticket holds|Canada,Lotto 6/49,1,6 + bonus,6,1,0,shared,|:2: a ticket holds 6 numbers"
    "needs no match|United States,Powerball,1,nothing,0,0,0,4.00,USD|:2: .*no match at all"
    "amount without currency|Canada,Lotto 6/49,1,3 matches,3,0,0,10.00,|:2: .*currency code"
    "currency with shared|${six}CAD|:2: a currency goes only with a fixed amount"
    "one decimal|Canada,Lotto 6/49,1,3 matches,3,0,0,10.0,CAD|:2: prize must be"
    "zero amount|Canada,Lotto 6/49,1,3 matches,3,0,0,0.00,CAD|:2: prize must be"
    "guessed word|Canada,Lotto 6/49,1,3 matches,3,0,0,free play,|:2: prize must be"
    "shadowed row|Canada,Lotto 6/49,1,5 matches,5,0,0,shared,\nCanada,Lotto 6/49,2,5 + bonus,5,1,0,shared,|:3: no ticket can reach \"5 \\+ bonus\""
    "repeated row|${six}\n${six}|:3: no ticket can reach"
    "field missing|Canada,Lotto 6/49,1,6 matches,6,0,0,shared|:2: expected 9 fields"
    "comma in a name|Canada,Lotto 6/49,1,\"6, all\",6,0,0,shared,|:2: .*comma")
foreach(case IN LISTS tier_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 rows)
    list(GET fields 2 where)
    string(REPLACE "\\n" "\n" rows "${rows}")
    file(WRITE ${WORK}/data/prize-tiers.csv "${tier_header}\n${rows}\n")
    execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR NOT err MATCHES "prize-tiers.csv${where}" OR EXISTS ${WORK}/out.sqlite3)
        message(FATAL_ERROR "${name}: expected prize-tiers.csv${where} and no database, got: ${err}")
    endif()
endforeach()
file(WRITE ${WORK}/data/prize-tiers.csv "country,lotteryname,tier,name,main,bonus,supplementary,prize,currency\n")
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "prize-tiers.csv:1: expected the header" OR EXISTS ${WORK}/out.sqlite3)
    message(FATAL_ERROR "a tier file with its columns swapped was accepted: ${err}")
endif()
execute_process(COMMAND printf "${tier_header}\\nCanada,Lotto 6/49,1,6 matches\\377,6,0,0,shared,\\n"
    OUTPUT_FILE ${WORK}/data/prize-tiers.csv)
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "prize-tiers.csv:2: is not valid UTF-8" OR EXISTS ${WORK}/out.sqlite3)
    message(FATAL_ERROR "a tier name that is not UTF-8 was accepted: ${err}")
endif()
# Shared tier numbers, a bonus-pool-only tier and a byte order mark are fine.
execute_process(COMMAND printf "\\357\\273\\277${tier_header}\\n${six}\\nCanada,Lotto 6/49,2,5 + bonus,5,1,0,shared,\\nCanada,Lotto 6/49,2,5 matches,5,0,0,,\\nUnited States,Powerball,1,Powerball only,0,0,1,4.00,USD\\n"
    OUTPUT_FILE ${WORK}/data/prize-tiers.csv)
execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/out.sqlite3)
    message(FATAL_ERROR "a sound tier file was refused: ${err}")
endif()
file(REMOVE ${WORK}/out.sqlite3)
# Both files are read row by row the same way: comments, blank lines and CR LF endings count as
# lines, and a quote left open is refused in the same words.
set(open_quote_cases
    "prize-tiers.csv|${tier_header}\\r\\n# a note\\r\\n\\r\\nCanada,\"Lotto 6/49,1,6 matches,6,0,0,shared,\\r\\n"
    "lotteries.csv|${header}\\r\\n# a note\\r\\n\\r\\nCanada,\"Lotto 6/49,49,6\\r\\n")
foreach(case IN LISTS open_quote_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 csv)
    list(GET fields 1 text)
    execute_process(COMMAND printf "${text}" OUTPUT_FILE ${WORK}/data/${csv})
    execute_process(COMMAND ${WHEELGEN} build-db ${WORK}/data ${WORK}/out.sqlite3 RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(rc EQUAL 0 OR NOT err MATCHES "/${csv}:4: unclosed quote\n$" OR EXISTS ${WORK}/out.sqlite3)
        message(FATAL_ERROR "${csv}: expected ${csv}:4: unclosed quote, got: ${err}")
    endif()
endforeach()
file(REMOVE ${WORK}/data/prize-tiers.csv)

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
