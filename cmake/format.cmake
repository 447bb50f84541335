# Formats the tracked C++ files (.cpp, .h) with clang-format and the style of
# .clang-format, or checks that they are formatted:
#
#   cmake [-DCHECK=ON] [-DCLANG_FORMAT=<program>] -P cmake/format.cmake
#
# The targets `format` and `check-format` of the build run it; CI runs the
# check. With CHECK it changes nothing, names every file clang-format would
# change and fails when there is one. The fixtures of tests/layers/upward/
# keep their includes on their lines: their own .clang-format turns
# formatting off there.
cmake_minimum_required(VERSION 3.20)

get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(NOT CLANG_FORMAT)
  find_program(CLANG_FORMAT clang-format)
  if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "clang-format not found (Debian: apt-get install clang-format)")
  endif()
endif()
find_program(GIT git)
if(NOT GIT)
  message(FATAL_ERROR "git not found: the files to format are those git tracks")
endif()

execute_process(COMMAND ${GIT} ls-files -- "*.cpp" "*.h"
  WORKING_DIRECTORY ${source_dir}
  OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR files STREQUAL "")
  message(FATAL_ERROR "git ls-files found no C++ files in ${source_dir}")
endif()
string(REPLACE "\n" ";" files "${files}")
list(LENGTH files count)

execute_process(COMMAND ${CLANG_FORMAT} --version
  OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)

if(NOT CHECK)
  execute_process(COMMAND ${CLANG_FORMAT} -i ${files}
    WORKING_DIRECTORY ${source_dir} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "clang-format failed")
  endif()
  message(STATUS "Formatted ${count} files with ${version}")
  return()
endif()

# One run per file, so that the report names the files to format.
set(unformatted "")
foreach(file IN LISTS files)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${file}
    WORKING_DIRECTORY ${source_dir}
    RESULT_VARIABLE status ERROR_VARIABLE report)
  if(NOT status EQUAL 0)
    string(REGEX MATCHALL "clang-format-violations" places "${report}")
    list(LENGTH places n)
    string(APPEND unformatted "\n    ${file} (${n} places)")
  endif()
endforeach()
if(unformatted)
  message(FATAL_ERROR "Not formatted as .clang-format asks (${version}):${unformatted}\n"
          "  Format them: cmake --build <build folder> --target format, "
          "or cmake -P cmake/format.cmake")
endif()
message(STATUS "All ${count} C++ files formatted (${version})")
