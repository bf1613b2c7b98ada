# vqcontrols.pc: the whole library for programs built without CMake (`pkg-config --cflags --libs
# vqcontrols`). The libraries are static, so the file lists them in link order (units before
# the framework modules they use, each module before the ones below it), the resource objects
# of the dialog units (their descriptions register themselves only when linked as objects) and
# the system libraries as plain requirements. The prefix is filled in when installing, so the
# file names /usr in the Debian package and the prefix of any `cmake --install --prefix`.
set(_pc_libs "")
set(_units ${VQ_COMPONENT_UNITS})
list(REVERSE _units)
set(_modules ${VQ_FRAMEWORK_MODULES})
list(REVERSE _modules)
foreach(lib IN LISTS _units _modules)
  string(APPEND _pc_libs " -l${lib}")
endforeach()
# Installed as <OBJECTS DESTINATION>/objects-<config>/<target>/<source relative to its folder>.o
set(_pc_objects "")
foreach(tgt IN LISTS _unit_resources)
  get_target_property(_sources ${tgt} SOURCES)
  get_target_property(_dir ${tgt} BINARY_DIR)
  foreach(src IN LISTS _sources)
    file(RELATIVE_PATH _rel ${_dir} ${src})
    string(APPEND _pc_objects
           " \${libdir}/VQControls-objects/objects-${CMAKE_BUILD_TYPE}/${tgt}/${_rel}.o")
  endforeach()
endforeach()
# Configured twice: the libraries now, the prefix at install time.
set(VQ_PC_PREFIX "@CMAKE_INSTALL_PREFIX@")
set(VQ_PC_LIBS "-L\${libdir}${_pc_objects}${_pc_libs}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/vqcontrols.pc.in
               ${PROJECT_BINARY_DIR}/packaging/vqcontrols.pc.in @ONLY)
install(CODE "configure_file(\"${PROJECT_BINARY_DIR}/packaging/vqcontrols.pc.in\"
                            \"${PROJECT_BINARY_DIR}/packaging/install/vqcontrols.pc\" @ONLY)
file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\" TYPE FILE
     FILES \"${PROJECT_BINARY_DIR}/packaging/install/vqcontrols.pc\")" COMPONENT dev)
