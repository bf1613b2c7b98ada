# The API reference: `cmake --build build --target vq_docs` runs Doxygen over the public headers
# (docs/api/Doxyfile.in) into build/docs/html. Not part of the default build; any Doxygen
# warning fails the target.
find_program(VQ_DOXYGEN doxygen)
find_package(Python3 COMPONENTS Interpreter)
if(VQ_DOXYGEN AND Python3_Interpreter_FOUND)
  set(VQ_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
  configure_file(${PROJECT_SOURCE_DIR}/docs/api/Doxyfile.in ${VQ_DOCS_DIR}/Doxyfile @ONLY)
  add_custom_target(vq_docs
      COMMAND ${CMAKE_COMMAND} -E rm -rf html
      COMMAND ${VQ_DOXYGEN} Doxyfile
      WORKING_DIRECTORY ${VQ_DOCS_DIR}
      COMMENT "API reference: ${VQ_DOCS_DIR}/html/index.html"
      VERBATIM)
endif()
