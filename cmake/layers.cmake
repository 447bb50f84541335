# Each folder of the game is a static library of its own, linked to the
# libraries of the folders it may use (ARCHITECTURE.md): these links are the
# one statement of the layers. Every library compiles against the source tree
# itself, so that an include names the header an editor opens. What keeps an
# include from reaching a folder the library does not link is one check of
# every include (cmake/check_includes.cmake), run by the build whenever a
# source of the folders changes; each library waits for it, so that an
# include against the layers stops the build.

# The folders each layer may use, written at configuration from the links.
set(TF_LAYER_USES ${CMAKE_BINARY_DIR}/layers/uses.cmake)

# tf_layer(<name> SOURCES <source>... [LINKS <library>...])
# Called in a folder's CMakeLists.txt: the folder's library, linked to the
# libraries of the folders below it that it uses.
function(tf_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC tillerfold_warnings ${arg_LINKS})
  set_property(TARGET ${name} PROPERTY TF_FOLDER ${folder})
  set_property(GLOBAL APPEND PROPERTY TF_LAYERS ${name})
endfunction()

# tf_layer_check(): called once every folder's library is made. Writes
# TF_LAYER_USES: TF_FOLDERS, the layers' folders, and for each folder
# TF_USES_<folder>, the folders of the libraries it links, directly or through
# another layer. Then adds the check of the includes to the build.
function(tf_layer_check)
  get_property(layers GLOBAL PROPERTY TF_LAYERS)
  set(folders)
  set(sources)
  set(table "# Made by the build from the layers' links (cmake/layers.cmake).\n")
  foreach(layer IN LISTS layers)
    get_target_property(folder ${layer} TF_FOLDER)
    list(APPEND folders ${folder})
    set(uses)
    set(pending ${layer})
    while(pending)
      list(POP_FRONT pending current)
      get_target_property(links ${current} LINK_LIBRARIES)
      foreach(link IN LISTS links)
        if(link IN_LIST layers)
          get_target_property(used ${link} TF_FOLDER)
          if(NOT used IN_LIST uses)
            list(APPEND uses ${used})
            list(APPEND pending ${link})
          endif()
        endif()
      endforeach()
    endwhile()
    string(APPEND table "set(TF_USES_${folder} \"${uses}\")\n")
    file(GLOB_RECURSE files CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${files})
  endforeach()
  string(APPEND table "set(TF_FOLDERS \"${folders}\")\n")
  # Written only when the text changes, so that configuring again checks nothing anew.
  file(CONFIGURE OUTPUT ${TF_LAYER_USES} CONTENT "${table}" @ONLY)

  set(script ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake)
  set(stamp ${CMAKE_BINARY_DIR}/layers/checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DUSES=${TF_LAYER_USES} -P ${script}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${sources} ${TF_LAYER_USES} ${script}
    COMMENT "Checking the includes against the layers"
    VERBATIM)
  add_custom_target(tf_layer_check ALL DEPENDS ${stamp})
  foreach(layer IN LISTS layers)
    add_dependencies(${layer} tf_layer_check)
  endforeach()
endfunction()
