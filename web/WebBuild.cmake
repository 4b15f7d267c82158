# The WebAssembly build (configured with emcmake): compiler and linker flags, googletest
# built from the sources Debian ships, and node to run what is built.

# C++ exceptions are off by default in Emscripten; the model and the runner throw and catch.
add_compile_options(-fwasm-exceptions)
# A program ends when main returns, with its status (the tests report failure so); the page
# keeps its runtime alive (it links with EXIT_RUNTIME=0).
# Linking optimises lightly (the tests and the runner link fast); the page's module asks for more.
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -O1)

# Tests and the scenario runner run under node. A node from another source than Debian's
# loads an Emscripten-built .js only without its experimental fetch.
find_program(VORLINDE_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VORLINDE_NODE} --no-experimental-fetch)

# googletest from Debian's source package, compiled for WebAssembly (no threads there).
set(VORLINDE_GTEST_SOURCE /usr/src/googletest CACHE PATH "googletest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VORLINDE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)  # GTest::gtest

# Programs that run under node see the real file system (the runner reads scenario files and
# writes snapshots).
function(vorlinde_node_program target)
  target_link_options(${target} PRIVATE -sNODERAWFS=1)
endfunction()

# The program's font, as the page loads it (the site and the tests).
set(VORLINDE_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH "Where Liberation Sans is")
