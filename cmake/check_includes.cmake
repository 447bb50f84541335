# Checks every #include of the game's folders against the layers: a file
# includes the headers of its own folder and of the folders it may use, and
# nothing else of the source tree. Each include is resolved as the compiler
# resolves it: a quoted one beside the including file when it is there
# ("../game/game.h" from trials/ lands in game/), else from the top of the
# tree, every library's include path; an angle one from the top of the tree,
# and only when it names one of the tree's folders (<vector> and
# <gtest/gtest.h> are not the tree's).
#
#   cmake -DSOURCE_DIR=<tree> -DUSES=<build>/layers/uses.cmake -P check_includes.cmake
#
# USES sets TF_FOLDERS, the layers' folders, and TF_USES_<folder>, the folders
# <folder> may use; the build writes it from the layers' links.
cmake_minimum_required(VERSION 3.20)

include(${USES})
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# line_of(<var> <file> <text>): the number of the first line of <file> that
# holds <text>.
function(line_of var file text)
  file(READ ${file} content)
  string(FIND "${content}" "${text}" at)
  string(SUBSTRING "${content}" 0 ${at} before)
  string(REGEX MATCHALL "\n" breaks "${before}")
  list(LENGTH breaks n)
  math(EXPR n "${n} + 1")
  set(${var} ${n} PARENT_SCOPE)
endfunction()

set(faults "")
set(rules "")
set(checked 0)
foreach(folder IN LISTS TF_FOLDERS)
  set(allowed ${folder} ${TF_USES_${folder}})
  set(found FALSE)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
    get_filename_component(dir ${file} DIRECTORY)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*(\"[^\"]*\"|<[^>]*>)")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "(\"[^\"]*\"|<[^>]*>)" spelled "${line}")
      string(REGEX REPLACE "^.(.*).$" "\\1" included "${spelled}")
      if(spelled MATCHES "^<")
        string(REGEX REPLACE "/.*" "" first "${included}")
        if(NOT IS_DIRECTORY ${SOURCE_DIR}/${first} AND NOT first IN_LIST TF_FOLDERS)
          continue()  # a system header
        endif()
        set(base ${SOURCE_DIR})
      elseif(EXISTS ${dir}/${included})
        set(base ${dir})
      else()
        set(base ${SOURCE_DIR})
      endif()
      cmake_path(ABSOLUTE_PATH included BASE_DIRECTORY ${base} NORMALIZE OUTPUT_VARIABLE resolved)
      cmake_path(IS_PREFIX SOURCE_DIR ${resolved} NORMALIZE inside)
      if(inside)
        file(RELATIVE_PATH target ${SOURCE_DIR} ${resolved})
        string(REGEX MATCH "^[^/]*/" reached "${target}")
        string(REGEX REPLACE "/$" "" reached_folder "${reached}")
        if(reached AND reached_folder IN_LIST allowed)
          continue()
        endif()
        if(reached)
          set(what "reaches ${reached}")
        else()
          set(what "reaches ${target}, in no folder")
        endif()
      else()
        set(what "leaves the source tree")
      endif()
      line_of(at ${file} "${line}")
      string(APPEND faults "\n    ${name}:${at}: #include ${spelled} ${what}")
      set(found TRUE)
    endforeach()
  endforeach()
  if(found)
    if(TF_USES_${folder})
      string(REPLACE ";" "/ " uses "${TF_USES_${folder}}/")
      string(APPEND rules "\n    ${folder}/ may use ${uses}")
    else()
      string(APPEND rules "\n    ${folder}/ uses no other folder")
    endif()
  endif()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No source files in the layers' folders under ${SOURCE_DIR}")
endif()
if(faults)
  message(FATAL_ERROR "Includes against the layers (ARCHITECTURE.md):${faults}\n"
          "  A folder includes its own headers and those of the folders its library links:${rules}")
endif()
