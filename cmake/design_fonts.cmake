# SPDX-License-Identifier: GPL-3.0-or-later
# The design's font as the system has it: Liberation Sans, found through
# fontconfig wherever the distribution puts it (Debian 12 and 13 differ).

# The file of Liberation Sans in `face` (Regular, Bold, BoldItalic) into
# `variable`; stops the configuration when fontconfig offers another family.
function(find_design_font face variable)
    find_program(FC_MATCH fc-match NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    string(REGEX REPLACE "([a-z])([A-Z])" "\\1 \\2" style "${face}")
    execute_process(
        COMMAND ${FC_MATCH} --format=%{family[0]}|%{style[0]}|%{file} "Liberation Sans:style=${style}"
        OUTPUT_VARIABLE match RESULT_VARIABLE failed)
    string(REPLACE "|" ";" match "${match}")
    list(GET match 0 family)
    list(GET match 1 found)
    if(failed OR NOT family STREQUAL "Liberation Sans" OR NOT found STREQUAL style)
        message(FATAL_ERROR "Liberation Sans ${style} is not installed (fonts-liberation2): "
                            "fontconfig offers ${family} ${found}")
    endif()
    list(GET match 2 file)
    set(${variable} ${file} PARENT_SCOPE)
endfunction()
