# Checks every #include of the game's folders against the layers: a folder
# includes its own headers and those of the folders below it, never a folder
# above and never by a relative path; genetics/ takes only the fixed sizes of
# text/.
#
#   cmake -DSOURCE_DIR=<tree> -P check_includes.cmake

set(below_text "text/")
set(below_genetics "genetics/")
set(below_state "state/;genetics/;text/")
set(below_results "results/;state/;genetics/;text/")
set(below_trials "trials/;results/;state/;genetics/;text/")
set(below_selection "selection/;results/;state/;genetics/;text/")
set(below_game "game/;selection/;trials/;results/;state/;genetics/;text/")
set(folders text genetics state results trials selection game)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(faults "")
set(checked 0)
foreach(folder IN LISTS folders)
  file(GLOB files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*$" "\\1" included "${line}")
      # Standard headers are no folder's.
      if(line MATCHES "<" AND NOT included MATCHES "/")
        continue()
      endif()
      set(allowed FALSE)
      foreach(prefix IN LISTS below_${folder})
        string(FIND "${included}" "${prefix}" at)
        if(at EQUAL 0)
          set(allowed TRUE)
        endif()
      endforeach()
      if(included MATCHES "\\.\\.")
        set(allowed FALSE)
      endif()
      if(NOT allowed)
        string(APPEND faults "\n  ${file} includes ${included}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No source files under ${SOURCE_DIR}")
endif()
if(faults)
  message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
