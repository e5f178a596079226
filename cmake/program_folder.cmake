# A folder of the program that lists its own files: those that need no
# widgets make a library of the folder's own, on the platform and QtGui, which
# the program and the fuzz targets both link; the others join the program's
# library where there is one (the fuzz build has no widgets).
#
#   tintaro_program_folder(LIBRARY name SOURCES ... [PROGRAM ...])
function(tintaro_program_folder)
  cmake_parse_arguments(F "" "LIBRARY" "SOURCES;PROGRAM" ${ARGN})
  add_library(${F_LIBRARY} STATIC ${F_SOURCES})
  target_include_directories(${F_LIBRARY} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${F_LIBRARY} PUBLIC tintaro_platform Qt6::Core Qt6::Gui)
  if(F_PROGRAM AND TARGET tintaro_core)
    target_sources(tintaro_core PRIVATE ${F_PROGRAM})
  endif()
endfunction()
