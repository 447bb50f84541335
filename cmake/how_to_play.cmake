# Writes the player's text of the download, HOW-TO-PLAY.txt, from README.md,
# so that the README stays its one source: the title and the first
# paragraph, then the sections below, as plain text (headings underlined, no
# backticks). With CRLF the lines end in CR LF, as Windows editors expect.
#
#   cmake -DREADME=<README.md> -DOUTPUT=<file> [-DCRLF=ON] -P how_to_play.cmake
#
# A section is a heading (## or ###) and the text up to the next heading.
cmake_minimum_required(VERSION 3.20)

set(sections
  "Playing from the download"
  "How a game goes"
  "Editing Results.csv"
  "Saving the CSV files")

file(READ ${README} readme)

# The title and the first paragraph.
string(REGEX MATCH "^# ([^\n]*)\n\n" title_line "${readme}")
if(NOT title_line)
  message(FATAL_ERROR "${README} does not begin with a title line and an empty line")
endif()
set(title "${CMAKE_MATCH_1}")
string(LENGTH "${title_line}" at)
string(SUBSTRING "${readme}" ${at} -1 rest)
string(FIND "${rest}" "\n\n" end)
string(SUBSTRING "${rest}" 0 ${end} intro)
string(LENGTH "${title}" width)
string(REPEAT "=" ${width} rule)
set(text "${title}\n${rule}\n\n${intro}\n")

foreach(section IN LISTS sections)
  foreach(level "##" "###")
    set(heading "\n${level} ${section}\n")
    string(FIND "${readme}" "${heading}" start)
    if(start GREATER -1)
      break()
    endif()
  endforeach()
  if(start EQUAL -1)
    message(FATAL_ERROR "${README} has no section \"${section}\" for HOW-TO-PLAY.txt "
                        "(cmake/how_to_play.cmake names the sections it takes)")
  endif()
  string(LENGTH "${heading}" skip)
  math(EXPR start "${start} + ${skip}")
  string(SUBSTRING "${readme}" ${start} -1 body)
  string(FIND "${body}" "\n#" end)
  string(SUBSTRING "${body}" 0 ${end} body)
  string(STRIP "${body}" body)
  string(LENGTH "${section}" width)
  string(REPEAT "-" ${width} rule)
  string(APPEND text "\n\n${section}\n${rule}\n\n${body}\n")
endforeach()

string(REPLACE "`" "" text "${text}")
if(CRLF)
  string(REPLACE "\n" "\r\n" text "${text}")
endif()
file(WRITE ${OUTPUT} "${text}")
