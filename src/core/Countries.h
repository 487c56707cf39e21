// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The countries the program offers, in the order of the country list. The database
// builder refuses a lottery of any other country, so the two cannot drift apart.
inline constexpr const char *kCountries[] = {"Australia", "Belgium",        "Brazil",       "Canada",       "China",
                                             "France",    "Germany",        "Greece",       "Ireland",      "Malaysia",
                                             "Mexico",    "New Zealand",    "Singapore",    "South Africa", "Spain",
                                             "Turkey",    "United Kingdom", "United States"};
