# Helpers shared by every subsystem's CMakeLists.txt.

# vorlane_library(NAME DIR [LIBS ...])
# A static library from every .cpp/.h/.qrc below DIR (non-recursive), so adding a file needs no edit here.
function(vorlane_library name dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# vorlane_test(NAME SOURCES ... LIBS ... [X11] [LABELS ...] [TIMEOUT s])
# A test executable run by CTest through tests/run-test.sh, which gives it a private HOME,
# XDG folders and the offscreen platform; X11 runs it under xvfb-run instead.
function(vorlane_test name)
  cmake_parse_arguments(ARG "X11" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  # A test whose sources are still being written is left out of this configuration.
  foreach(source IN LISTS ARG_SOURCES)
    if(NOT IS_ABSOLUTE ${source})
      set(source ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    endif()
    if(NOT EXISTS ${source})
      message(WARNING "${name}: ${source} does not exist yet; test left out")
      return()
    endif()
  endforeach()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  set(mode offscreen)
  if(ARG_X11)
    set(mode x11)
  endif()
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/run-test.sh ${mode} $<TARGET_FILE:${name}>)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}"
    ENVIRONMENT "VORLANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};VORLANE_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
