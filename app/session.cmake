# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the scripts that build, drive and check the program share with it, written into one
# file of the build folder for them to source (session.env): its title, version and
# languages, and each window's title and the centres of the controls they click, "x y" in the
# client area, read from the forms as designed. Moving a button in Designer moves the click.

set(session_env "# Written by CMake from the project and its forms; source it with bash.\n")

# session_value(NAME VALUE): NAME='VALUE', quoted for the shell.
function(session_value name value)
    string(REPLACE "'" "'\\''" value "${value}")
    set(session_env "${session_env}${name}='${value}'\n" PARENT_SCOPE)
endfunction()

# session_form(FORM TITLE_NAME [NAME WIDGET]...): the form's window title as TITLE_NAME and the
# centre of each WIDGET as NAME.
function(session_form form title_name)
    set(file ${PROJECT_SOURCE_DIR}/${form})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} ui)
    set(blank "[ \t\r\n]*")
    if(NOT ui MATCHES "<property name=\"windowTitle\">${blank}<string>([^<]*)</string>")
        message(FATAL_ERROR "${form} has no window title")
    endif()
    set(title "${CMAKE_MATCH_1}")
    string(REPLACE "&lt;" "<" title "${title}")
    string(REPLACE "&gt;" ">" title "${title}")
    string(REPLACE "&quot;" "\"" title "${title}")
    string(REPLACE "&apos;" "'" title "${title}")
    string(REPLACE "&amp;" "&" title "${title}")
    session_value(${title_name} "${title}")
    # Designer writes a widget's geometry as its first property.
    string(CONCAT geometry "<property name=\"geometry\">${blank}<rect>${blank}"
        "<x>([0-9]+)</x>${blank}<y>([0-9]+)</y>${blank}"
        "<width>([0-9]+)</width>${blank}<height>([0-9]+)</height>")
    set(pairs ${ARGN})
    while(NOT pairs STREQUAL "")
        list(POP_FRONT pairs name widget)
        if(NOT ui MATCHES "name=\"${widget}\">${blank}${geometry}")
            message(FATAL_ERROR "${form}: no geometry for ${widget}")
        endif()
        math(EXPR x "${CMAKE_MATCH_1} + ${CMAKE_MATCH_3} / 2")
        math(EXPR y "${CMAKE_MATCH_2} + ${CMAKE_MATCH_4} / 2")
        session_value(${name} "${x} ${y}")
    endwhile()
    set(session_env "${session_env}" PARENT_SCOPE)
endfunction()

session_value(TORRENTIX_TITLE "${TORRENTIX_TITLE}")
session_value(TORRENTIX_VERSION "${TORRENTIX_DISPLAY_VERSION}")
# A bash array; the language codes need no quotes.
list(JOIN TORRENTIX_LANGUAGES " " session_languages)
string(APPEND session_env "TORRENTIX_LANGUAGES=(${session_languages})\n")
session_form(calculator/frm_hydropower.ui CALCULATOR_TITLE
    AT_Q Txt_Q AT_H Txt_H AT_N Txt_n AT_M Txt_m
    AT_SOLVE Command1 AT_FORMULA Command6 AT_DIAGRAM Command4 AT_ABOUT Command3 AT_EXIT Command5)
session_form(reference/frm_hydropowerformula.ui FORMULA_TITLE AT_FORMULA_MAIN_PAGE Command1)
session_form(reference/frm_diagram.ui DIAGRAM_TITLE AT_DIAGRAM_MAIN_PAGE Command1)
session_form(reference/frm_about.ui ABOUT_TITLE AT_ABOUT_CLOSE Command1)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/session.env CONTENT "${session_env}" @ONLY)
