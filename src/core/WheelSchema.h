// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tables of a wheel database, written once for the database the build makes and the
// player's own library, so a wheel reads the same from either. Rows go in the order the player
// sees them; the indexes serve the lookups by pick, type and count of numbers.
inline constexpr const char *kWheelTables =
    "CREATE TABLE IF NOT EXISTS lottery(country TEXT NOT NULL, lotteryname TEXT NOT NULL,"
    " ifrom INTEGER NOT NULL, imatch INTEGER NOT NULL, drawn INTEGER, supplementary INTEGER,"
    " bonuspool INTEGER, bonuspick INTEGER, lowestprize_main INTEGER, lowestprize_bonus INTEGER,"
    " price REAL, currency TEXT);"
    "CREATE TABLE IF NOT EXISTS wheelsurvey(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
    " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, ticket TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS wheels(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
    " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, digitalstring TEXT NOT NULL);";

inline constexpr const char *kWheelIndexes =
    "CREATE INDEX IF NOT EXISTS survey_by_choice ON wheelsurvey(pick, wheeltype, zoption);"
    "CREATE INDEX IF NOT EXISTS wheels_by_wheel ON wheels(pick, wheeltype, zoption, xyoption);";

// The draws the player imported, in the player's library only: one row a lottery and date, the
// numbers as "5 17 3 41 9 12"; bonus and supplementary numbers empty when none were given. A
// library made before the draws were kept gets the table when it is next opened.
inline constexpr const char *kDrawTables =
    "CREATE TABLE IF NOT EXISTS draws(country TEXT NOT NULL, lotteryname TEXT NOT NULL,"
    " drawdate TEXT NOT NULL, main TEXT NOT NULL, bonus TEXT NOT NULL DEFAULT '',"
    " supplementary TEXT NOT NULL DEFAULT '', PRIMARY KEY(country, lotteryname, drawdate));";
