# Debian packages from this build, by CPack: `cpack --config build/CPackConfig.cmake` writes
#   libvqcontrols-dev_<version>_<arch>.deb  the component "dev": headers, static libraries,
#                                           resource objects, CMake package, vqcontrols.pc
#   vqcontrols-demo_<version>_<arch>.deb    the component "demo": the program, libvqrsrc, the
#                                           desktop entry, icons and manual page
# Each carries the copyright file and changelog Debian asks for. The desktop entry and icons
# are installed by `cmake --install` as well.
set(_pkg ${PROJECT_SOURCE_DIR}/packaging)
set(_gen ${PROJECT_BINARY_DIR}/packaging)

# The desktop entry is named after the desktop file name the program gives itself, and its
# StartupWMClass is the class of the program's windows (WM_CLASS "vqdemo", "<Title>").
install(FILES ${_pkg}/vqdemo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT demo)
foreach(size 16x16 32x32 48x48 64x64 scalable)
  file(GLOB _icon ${_pkg}/icons/${size}/vqdemo.*)
  install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
          COMPONENT demo)
endforeach()

# The manual page and changelogs compressed as Debian ships them (no name or time stamp, so
# the packages come out the same from the same sources).
find_program(VQ_GZIP gzip REQUIRED)
function(vq_gzip source output)
  execute_process(COMMAND ${VQ_GZIP} -9n INPUT_FILE ${source} OUTPUT_FILE ${output}
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
file(MAKE_DIRECTORY ${_gen})
vq_gzip(${_pkg}/vqdemo.1 ${_gen}/vqdemo.1.gz)
configure_file(${_pkg}/changelog.in ${_gen}/changelog @ONLY)
vq_gzip(${_gen}/changelog ${_gen}/changelog.gz)
install(FILES ${_gen}/vqdemo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT demo)

set(VQ_DEB_DEV libvqcontrols-dev)
set(VQ_DEB_DEMO vqcontrols-demo)
foreach(component dev demo)
  string(TOUPPER ${component} _c)
  install(FILES ${_pkg}/copyright ${_gen}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VQ_DEB_${_c}} COMPONENT ${component})
endforeach()

# A stripping install (CPack's, or `cmake --install --strip`) strips as Debian's own packages
# are stripped: the static libraries of their debug sections, and every binary of the notes and
# comments that plain strip leaves.
set(_dest "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}")
set(_archives "")
foreach(lib IN LISTS VQ_FRAMEWORK_MODULES VQ_COMPONENT_UNITS)
  list(APPEND _archives "${_dest}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:${lib}>")
endforeach()
set(_binaries "${_dest}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:vqdemo>"
              "${_dest}/${VQ_DEMO_LIBDIR}/$<TARGET_FILE_NAME:vqrsrc>")
set(_strip_sections --remove-section=.comment --remove-section=.note)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug ${_strip_sections}
                          --enable-deterministic-archives ${_archives} COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT dev)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" ${_strip_sections} ${_binaries}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT demo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vqcontrols)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varnholt Quill Controls developers")
set(CPACK_PACKAGE_CONTACT "Varnholt Quill Controls developers <vqcontrols@example.com>")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL dev demo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE vqcontrols)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${VQ_DEB_DEV})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# Static libraries: a program that links them needs the headers and libraries of what they use.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "qt6-base-dev (>= 6.4), libxcb1-dev, libxcb-keysyms1-dev, libxkbcommon-dev, libfontconfig-dev")
# Descriptions: the synopsis, then the long description in lines of at most 80 characters.
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "Varnholt Quill Controls: visual components on Qt 6 (development files)
A C++20 library of visual components for Linux desktops (calendar, meters,
borders, images, splitter, wizard, rich-text label and edit, tray icon, hot
keys, dialogs) on a visual component framework of its own: forms built from
text form descriptions, published properties and a canvas with the classic
drawing calls.

This package holds the headers, the static libraries with their resources,
the CMake package (find_package(VQControls)) and the pkg-config file
vqcontrols.pc.")

set(CPACK_DEBIAN_DEMO_PACKAGE_NAME ${VQ_DEB_DEMO})
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)
# The libraries come from dpkg-shlibdeps; the windows need Qt's X11 platform plugin, and the
# form descriptions' fonts map to Liberation.
set(CPACK_DEBIAN_DEMO_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_DEMO_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_COMPONENT_DEMO_DESCRIPTION
    "Varnholt Quill Controls: demonstration program
The program presents each component of the Varnholt Quill Controls library on
the pages of its main window and in windows of their own: the month calendar
and the drop-down calendar, borders, images and meters, the menu button and
the splitter, the wizard, rich text, the animated image, the tray icon with
hot keys, the about and tip-of-the-day dialogs, the shell functions and the
bitmap button.")

include(CPack)
