# Shared build rules: every folder is one library made of the .cpp files it
# holds, so adding a file never means editing a build script.

function(lexidrill_warnings target)
  # GCC 12 at -O3 warns of overlapping copies inside std::string assignments
  # that cannot overlap (its bug 105329); the warning says nothing about our code.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
endfunction()

# lexidrill_library(NAME [QT] [DEPS dep...])
# QT turns on moc for the folder; logic folders never pass it.
function(lexidrill_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    lexidrill_warnings(${name})
    if(ARG_QT)
      set_target_properties(${name} PROPERTIES AUTOMOC ON)
      # The moc step of an existing build tree looks again only at headers it
      # has seen: when the set of headers changes, its stamp goes, so a new
      # header is run through moc as well.
      string(JOIN "\n" header_list ${headers})
      set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_headers.txt)
      set(old_list "")
      if(EXISTS ${list_file})
        file(READ ${list_file} old_list)
      endif()
      if(NOT old_list STREQUAL header_list)
        file(WRITE ${list_file} "${header_list}")
        file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
      endif()
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# lexidrill_tests(FOLDER [QT] [DEPS dep...])
# One test program per source folder, made of every *_test.cpp in it.
# QT programs use the shared main that creates the QApplication (offscreen
# unless a display is set).
function(lexidrill_tests folder)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target test_${folder})
  add_executable(${target} ${sources})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  lexidrill_warnings(${target})
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} lexidrill_gui_test_main GTest::gmock Qt6::Test)
  else()
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${folder} COMMAND ${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${folder} PROPERTIES TIMEOUT 600
    ENVIRONMENT "LEXIDRILL_BUILD_DIR=${CMAKE_BINARY_DIR};LEXIDRILL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
# lexidrill_program(NAME [QT] [NOINSTALL] [DEPS dep...]): one program made of the folder's .cpp files.
function(lexidrill_program name)
  cmake_parse_arguments(ARG "QT;NOINSTALL" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  lexidrill_warnings(${name})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  if(NOT ARG_NOINSTALL)
    install(TARGETS ${name} RUNTIME DESTINATION lib/lexidrill)
  endif()
endfunction()
