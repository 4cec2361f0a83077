# Helpers that keep each folder's CMake file short and the layer arrows explicit.

# Core code holds its texts as GBK, the system's one encoding: its narrow string literals,
# written in UTF-8 in the source, are compiled to GBK bytes. GB18030 is named because it
# agrees with GBK on every Chinese character and can also encode the odd symbol in the
# standard headers (the micro sign of <chrono>), which plain GBK refuses. Qt code keeps
# UTF-8 literals. Core code is not moc'ed.
function(zorvqi_gbk_literals target)
  target_compile_options(${target} PRIVATE -fexec-charset=GB18030)
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
endfunction()

# zorvqi_core_library(NAME DEPS...): a core layer made of every .cpp in the calling folder.
# Core layers link no Qt, so a Qt include in them fails to compile.
function(zorvqi_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
    zorvqi_gbk_literals(${name})
  else()
    # A layer that has no code yet still takes its place in the graph.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# zorvqi_test_suite(NAME DEPS...): one test program made of every *_test.cpp in the calling
# folder (one file per unit), registered test by test with CTest. Core suites see GBK
# literals like the code they test.
function(zorvqi_test_suite name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARGN} zorvqi_testsupport GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    ZORVQI_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ZORVQI_BIN_DIR="${ZORVQI_BIN_DIR}")
  zorvqi_gbk_literals(${name})
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# zorvqi_qt_tests(DEPS...): one Qt Test program per *_test.cpp in the calling folder (each
# file has its own QTEST_MAIN), run under the offscreen platform.
function(zorvqi_qt_tests)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    set(name qt_${stem})
    add_executable(${name} ${source})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Test)
    target_compile_definitions(${name} PRIVATE
      ZORVQI_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      ZORVQI_BIN_DIR="${ZORVQI_BIN_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()

# zorvqi_ui_library(NAME DEPS...): a Qt library made of every .cpp in the calling folder.
function(zorvqi_ui_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN} Qt6::Widgets)
endfunction()
