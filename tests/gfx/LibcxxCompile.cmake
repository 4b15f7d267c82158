cmake_minimum_required(VERSION 3.25)
# Compiles each of SOURCES (warnings as errors) and THIRD_PARTY (the font reader and the PNG
# writer, which hold third-party code: no warning flags) with CXX against libc++, syntax only;
# fails naming the files that do not compile.
set(failed "")
foreach(src ${SOURCES} ${THIRD_PARTY})
  set(flags -stdlib=libc++ -std=c++20 -ffp-contract=off -fsyntax-only -I${SOURCE_DIR})
  if(NOT src IN_LIST THIRD_PARTY)
    list(APPEND flags -Wall -Wextra -Wpedantic -Werror)
  endif()
  execute_process(COMMAND ${CXX} ${flags} ${src} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    string(APPEND failed "${src}:\n${err}\n")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "Not compiled with libc++:\n${failed}")
endif()
