# One interface target carries the language standard, the warnings and Qt's
# strictness defines; every target of the project links it.
add_library(zendrivo_common INTERFACE)
target_compile_features(zendrivo_common INTERFACE cxx_std_20)
target_compile_options(zendrivo_common INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
  $<$<CXX_COMPILER_ID:Clang>:-Wshadow-uncaptured-local>)
target_compile_definitions(zendrivo_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER
  QT_NO_KEYWORDS)

if(ZENDRIVO_SANITIZE)
  set(_zv_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(zendrivo_common INTERFACE ${_zv_san})
  target_link_options(zendrivo_common INTERFACE ${_zv_san})
endif()

if(ZENDRIVO_FUZZ)
  # Instrument the libraries for coverage; the fuzz targets add the fuzzer main.
  target_compile_options(zendrivo_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(zendrivo_common INTERFACE -fsanitize=address,undefined)
endif()

# Adds one library of a layer from every source file in its folder.
function(zendrivo_layer name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC zendrivo_common ${ARGN})
  # The libraries do the work of every command; the extra inlining and loop
  # work of -O3 made importing and saving a few per cent faster than -O2.
  target_compile_options(${name} PRIVATE $<$<CONFIG:RelWithDebInfo>:-O3>)
endfunction()

# Adds one GoogleTest program from every source file in a tests folder.
function(zendrivo_tests name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE zendrivo_common testsupport testmain ${ARGN})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZENDRIVO_CORPUS=${PROJECT_SOURCE_DIR}/../shared/corpus")
endfunction()
