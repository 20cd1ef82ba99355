# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# changelog_date(<variable> <YYYY-MM-DD>): that day at midnight UTC as a Debian changelog
# wants it, for example "Tue, 08 Dec 2026 00:00:00 +0000".
function(changelog_date variable date)
    if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "not a date: ${date}")
    endif()
    set(day ${CMAKE_MATCH_3})
    math(EXPR month "${CMAKE_MATCH_2}")
    # Days since 1970-01-01 (a Thursday), counting years from March so that the leap day
    # comes last: January and February belong to the year before.
    math(EXPR year "${CMAKE_MATCH_1} - (14 - ${month}) / 12")
    math(EXPR era "${year} / 400")
    math(EXPR yearOfEra "${year} - ${era} * 400")
    math(EXPR shifted "(${month} + 9) % 12")
    math(EXPR dayOfYear "(153 * ${shifted} + 2) / 5 + ${day} - 1")
    math(EXPR dayOfEra
        "${yearOfEra} * 365 + ${yearOfEra} / 4 - ${yearOfEra} / 100 + ${dayOfYear}")
    math(EXPR days "${era} * 146097 + ${dayOfEra} - 719468")
    math(EXPR weekday "${days} % 7")
    set(weekdays Thu Fri Sat Sun Mon Tue Wed)
    list(GET weekdays ${weekday} name)
    math(EXPR monthIndex "${month} - 1")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET months ${monthIndex} monthName)
    set(${variable} "${name}, ${day} ${monthName} ${CMAKE_MATCH_1} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
