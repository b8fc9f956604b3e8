# Warnings for the project's own targets only; outside headers stay quiet.
add_library(quill_warnings INTERFACE)
target_compile_options(quill_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wshadow=local -Wnon-virtual-dtor -Wno-unused-parameter>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>)
