# Copies the shipped files of a program folder another build laid out: every
# file its generator listed (desktop/book-files.txt), and the desktop folder.
#   cmake -DFROM=<build folder> -DPROGRAM=<program folder> -DDESKTOP=<desktop folder> -P copy_book.cmake
file(STRINGS ${FROM}/desktop/book-files.txt shipped)
if(NOT shipped)
  message(FATAL_ERROR "${FROM}/desktop/book-files.txt lists no files")
endif()
foreach(file IN LISTS shipped)
  get_filename_component(folder ${PROGRAM}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${FROM}/tintaro/${file} ${PROGRAM}/${file} ONLY_IF_DIFFERENT)
endforeach()
file(COPY ${FROM}/desktop/ DESTINATION ${DESKTOP})
