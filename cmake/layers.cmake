# Each folder of the game is a static library of its own, compiled against an
# include root of its own in the build folder. The root holds one forwarding
# header per header of the folder ("text/console.h", which includes the file
# of the source tree). A library's include path is its own root and the roots
# of the libraries it links, which are the folders below it; the source tree
# itself is on no library's include path. An include of a folder above names
# a file that is not there, and the build stops.

set(TF_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)

# tf_forwarders(<root> <folder> <header>...): the forwarding headers of
# <folder>/<header> under <root>, and no others. A header is written only when
# its text changes, so that configuring again rebuilds nothing.
function(tf_forwarders root folder)
  set(wanted)
  foreach(header IN LISTS ARGN)
    set(forwarder ${root}/${folder}/${header})
    list(APPEND wanted ${forwarder})
    file(CONFIGURE OUTPUT ${forwarder} @ONLY CONTENT
      "// Made by the build: forwards to the header of the source tree.\n#include \"${CMAKE_SOURCE_DIR}/${folder}/${header}\"\n")
  endforeach()
  file(GLOB_RECURSE present ${root}/*)
  foreach(forwarder IN LISTS present)
    if(NOT forwarder IN_LIST wanted)
      file(REMOVE ${forwarder})
    endif()
  endforeach()
endfunction()

# tf_layer(<name> SOURCES <source>... [LINKS <library>...] [EXCLUDE <header>...])
# Called in a folder's CMakeLists.txt: the folder's library, exposing every
# header of the folder but the EXCLUDEd ones, linked to the libraries below.
function(tf_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS;EXCLUDE")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(arg_EXCLUDE)
    list(REMOVE_ITEM headers ${arg_EXCLUDE})
  endif()
  set(root ${TF_INCLUDE_ROOTS}/${name})
  tf_forwarders(${root} ${folder} ${headers})
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC tillerfold_warnings ${arg_LINKS})
endfunction()
