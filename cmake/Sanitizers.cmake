# One switch turns the sanitizers on for every target, so the test build checks all of the project's code.
if(QUILL_SANITIZE)
  set(QUILL_SAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_compile_options(${QUILL_SAN_FLAGS})
  add_link_options(${QUILL_SAN_FLAGS})
endif()
# Fuzz builds (clang) instrument the whole program for coverage; each harness links libFuzzer itself.
if(QUILL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
