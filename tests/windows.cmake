# The suite built for Windows: every test that runs headless, in one program that Wine
# runs. GoogleTest is built from Debian's sources with it.
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL SYSTEM)

# The tests that cannot run there, and why.
set(VX_LINUX_ONLY
  # a window on the X server, through SDL2 or Xlib
  demo/window_test.cpp events/sleep_test.cpp render/platform/sdl/sdl_window_test.cpp
  header/cpp_noshort_test.cpp
  # Wine's window on the X server, driven from Linux
  render/platform/win32/wine_window_test.cpp
  # vxtool and a C compiler run through a POSIX shell, the tool's output in pipes
  tools/vxtool_check_test.cpp tools/vxtool_compare_test.cpp tools/vxtool_diagnostics_test.cpp
  tools/vxtool_preview_test.cpp tools/vxtool_render_test.cpp tools/vxtool_rl4_test.cpp
  tools/vxtool_stubs_test.cpp tools/vxtool_usage_test.cpp header/readme_example_test.cpp
  # permissions, users and devices of a POSIX file system
  core/writefile_test.cpp
  # pictures of every PNG format, made with libpng, which Debian has only for Linux
  render/platform/screenshot/screenshot_test.cpp
)
file(GLOB_RECURSE VX_TEST_SOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
     ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
list(REMOVE_ITEM VX_TEST_SOURCES ${VX_LINUX_ONLY})

# Pictures read back with stb.
add_library(vx_testsupport STATIC ${VX_SUPPORT_SOURCES} support/stbpng.cpp)
target_include_directories(vx_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_include_directories(vx_testsupport SYSTEM PRIVATE ${VX_STB_INCLUDE_DIR})
# Wine finds the build machine's files on drive Z:.
target_compile_definitions(vx_testsupport PRIVATE ZEFTEST="Z:$<TARGET_FILE:zeftest>"
                                                  ZEF_SOURCE="Z:${PROJECT_SOURCE_DIR}/demo")
target_link_libraries(vx_testsupport PUBLIC vx_internal zefdemo gtest PRIVATE vx_warnings)

add_library(vx_ctable STATIC header/c_table.c header/c_testing.c)
target_link_libraries(vx_ctable PRIVATE vx_internal vx_warnings)

add_executable(vx_tests support/main.cpp ${VX_TEST_SOURCES})
target_link_libraries(vx_tests PRIVATE vx_testsupport vx_ctable gtest vx_warnings)
add_dependencies(vx_tests zeftest)
target_compile_definitions(vx_tests PRIVATE ZEF_SOURCE="Z:${PROJECT_SOURCE_DIR}/demo"
                                            VX_DATA="Z:${CMAKE_CURRENT_SOURCE_DIR}/data")
target_compile_options(vx_testsupport PRIVATE -include ${CMAKE_CURRENT_SOURCE_DIR}/support/posixnames.h)
target_compile_options(vx_tests PRIVATE -include ${CMAKE_CURRENT_SOURCE_DIR}/support/posixnames.h)
