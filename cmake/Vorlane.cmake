# Helpers shared by every subsystem's CMakeLists.txt.

# Warnings every target of the project is built with; any warning fails the build. The fuzz
# configuration (clang) reports them without failing: the gcc builds hold the line.
function(vorlane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wpedantic)
  if(NOT VORLANE_FUZZ)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# vorlane_library(NAME DIR [LIBS ...])
# A static library from every .cpp/.h/.qrc below DIR (non-recursive), so adding a file needs no
# edit here. A folder without sources is an error.
function(vorlane_library name dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  if(NOT sources)
    message(FATAL_ERROR "${name}: no sources in ${dir}")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  vorlane_warnings(${name})
endfunction()

# vorlane_program(NAME SOURCES ... LIBS ...)
# A program of the project, with the project's warnings.
function(vorlane_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  vorlane_warnings(${name})
endfunction()

# vorlane_test(NAME SOURCES ... LIBS ... [X11] [LABELS ...] [TIMEOUT s])
# A test executable run by CTest through tests/run-test.sh, which gives it a private HOME,
# XDG folders and the offscreen platform; X11 runs it under xvfb-run instead.
#
# Test programs are named <subsystem>_<what>_test. Their labels, for `ctest -L`: the subsystem
# (the tests/<subsystem> folder, added here), `core` for tests without windows or `gui` for
# tests with windows (given in LABELS), and `x11` for tests under a real X server (added here).
# A missing source file is an error.
function(vorlane_test name)
  cmake_parse_arguments(ARG "X11" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  vorlane_warnings(${name})
  get_filename_component(subsystem ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(labels ${subsystem} ${ARG_LABELS})
  set(mode offscreen)
  if(ARG_X11)
    set(mode x11)
    list(APPEND labels x11)
  endif()
  list(REMOVE_DUPLICATES labels)
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/run-test.sh ${mode} $<TARGET_FILE:${name}>)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${labels}"
    ENVIRONMENT "VORLANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};VORLANE_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
