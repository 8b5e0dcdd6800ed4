# The panel example as a second page in the browser, panel.html beside zeftest.html. On
# the desktop the example is built only against the installed package; here it is built
# from this tree, its find_package(vx) answered by the library's own target (vx::vx).
set(VX_REDIRECTS ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR})
file(WRITE ${VX_REDIRECTS}/vx-config.cmake "# vx::vx is the tree's own library.\n")
file(WRITE ${VX_REDIRECTS}/vx-config-version.cmake
     "set(PACKAGE_VERSION ${PROJECT_VERSION})\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
# Its tests run on the desktop only.
set(CMAKE_DISABLE_FIND_PACKAGE_GTest ON)
add_subdirectory(examples/panel)

# Its files are packed as the demonstration's are: the page copies them into the
# program's folder, where the program reads them and keeps panel.state.
set(page ${PROJECT_SOURCE_DIR}/lib/render/platform/canvas/shell.html)
set_target_properties(panel PROPERTIES SUFFIX .html LINK_DEPENDS
  "${page};${PROJECT_SOURCE_DIR}/lib/render/platform/canvas/page.js")
target_link_options(panel PRIVATE "SHELL:--shell-file ${page}" -sMINIFY_HTML=0)
foreach(file panel.inf panel.hlp sitemap.rl4)
  target_link_options(panel PRIVATE
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/examples/panel/${file}@/package/${file}")
endforeach()
