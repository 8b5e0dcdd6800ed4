# Installs vx like any C library: the library, its headers, vxtool, the reference pages,
# a CMake package (find_package(vx): targets vx::vx and vx::vxtool) and vx.pc. The same
# package is also written into the build tree, so find_package(vx) finds a build too.
include(CMakePackageConfigHelpers)

set(VX_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/vx)

install(TARGETS vx vxtool EXPORT vxTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})

write_basic_package_version_file(${PROJECT_BINARY_DIR}/vxConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vxConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/vxConfig.cmake
                              INSTALL_DESTINATION ${VX_CMAKEDIR})
install(EXPORT vxTargets NAMESPACE vx:: DESTINATION ${VX_CMAKEDIR})
install(FILES ${PROJECT_BINARY_DIR}/vxConfig.cmake ${PROJECT_BINARY_DIR}/vxConfigVersion.cmake
        DESTINATION ${VX_CMAKEDIR})
export(EXPORT vxTargets NAMESPACE vx:: FILE ${PROJECT_BINARY_DIR}/vxTargets.cmake)

# pkg-config: what a link with vx needs besides it, system libraries only, no other
# package. SDL2 is not among them: the library loads it when the first window opens. A
# program written in C and linked by the C compiler needs the C++ runtime too (lib/). A
# static vx needs them on every link, so they stand in Libs and the plain form links; a
# shared one brings them itself, so they are private.
set(libraries ${CMAKE_DL_LIBS} ${VX_CXX_RUNTIME} m ${VX_SYSTEM_LIBRARIES})
list(REMOVE_DUPLICATES libraries)
list(TRANSFORM libraries PREPEND -l)
list(JOIN libraries " " needed)
if(BUILD_SHARED_LIBS)
  set(VX_PC_LIBS "")
  set(VX_PC_LIBS_PRIVATE "${needed}")
else()
  set(VX_PC_LIBS " ${needed}")
  set(VX_PC_LIBS_PRIVATE "")
endif()
# The file finds the prefix from where it lies, so an installed tree can be moved.
file(RELATIVE_PATH VX_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" VX_PC_TO_PREFIX "${VX_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/vx.pc.in ${PROJECT_BINARY_DIR}/vx.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vx.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
