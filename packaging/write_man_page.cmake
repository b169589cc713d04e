# Writes OUTPUT, the manual page of the program PROGRAM in groff, from what the
# program says with --help and --version: NAME is the program's name and
# SUMMARY, SYNOPSIS the usage lines, DESCRIPTION the rest of the usage text as
# the program prints it, SEE ALSO the pages in SEE_ALSO (separated by commas).
get_filename_component(name ${PROGRAM} NAME)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE help_status)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE version_status)
if(NOT help_status EQUAL 0 OR NOT version_status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} did not answer --help and --version")
endif()

# Text as groff shows it literally: backslashes and hyphens escaped, and no
# line starting with a request character.
function(groff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The usage lines are the first line and the indented ones below it.
set(usage_lines "^usage: ([^\n]*(\n[ ]+[^\n]*)*)\n+")
if(NOT help MATCHES "${usage_lines}")
  message(FATAL_ERROR "${PROGRAM} --help does not start with \"usage: \"")
endif()
# Continuation lines lose the indentation that "usage: " took.
string(REPLACE "\n       " "\n" synopsis "${CMAKE_MATCH_1}")
string(REGEX REPLACE "${usage_lines}" "" description "${help}")
groff_text(synopsis "${synopsis}")
groff_text(description "${description}")
groff_text(version "${version}")
groff_text(summary "${SUMMARY}")
string(TOUPPER "${name}" title)
groff_text(name "${name}")
groff_text(see_also "${SEE_ALSO}")

set(page ".TH ${title} 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
${name} \\- ${summary}
.SH SYNOPSIS
.nf
${synopsis}
.fi
.SH DESCRIPTION
.nf
${description}.fi
")
if(see_also)
  string(REPLACE "," " (1),\n.BR " see_also "${see_also}")
  string(APPEND page ".SH SEE ALSO\n.BR ${see_also} (1)\n")
endif()
file(WRITE ${OUTPUT} "${page}")
