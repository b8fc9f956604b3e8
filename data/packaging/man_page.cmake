# cmake -DTEMPLATE=page.1.in -DOUT=page.1 -DVERSION=v [-DQUILL=path/to/quill] -P man_page.cmake
# Writes a manual page and its gzipped copy.  With QUILL, @COMMANDS@ becomes the toolbox's own list of
# command lines (quill --help), so the page names every command the build has.
file(READ ${TEMPLATE} page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
if(QUILL)
  execute_process(COMMAND ${QUILL} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${QUILL} --help failed")
  endif()
  string(FIND "${help}" "\n" end)  # the usage line goes; the command lines stay, unindented
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${help}" ${end} -1 help)
  string(REGEX REPLACE "\n +" "\n" help "\n${help}")
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(STRIP "${help}" help)
  string(REPLACE "@COMMANDS@" "${help}" page "${page}")
endif()
file(WRITE ${OUT} "${page}")
get_filename_component(dir ${OUT} DIRECTORY)
get_filename_component(name ${OUT} NAME)
file(REMOVE ${OUT}.gz)
execute_process(COMMAND ${CMAKE_COMMAND} -E chdir ${dir}
                ${CMAKE_COMMAND} -E env gzip -9nk ${name} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${OUT}")
endif()
