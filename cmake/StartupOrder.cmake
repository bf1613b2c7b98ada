# Start-up order: the functions the demo runs from launch to its first shown window
# (app/startup-order.txt, written by tools/startup_order.py) are laid out next to each other
# by the linker. Scattered among the rest, they made the kernel map nearly the whole program
# at start; together, about half of it. Needs lld (for its symbol ordering) and every
# function in a section of its own; without lld the programs link as usual.
include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=lld" VQ_HAVE_LLD)
add_compile_options(-ffunction-sections)

# The C runtime by its file: -lc names a linker script, which the linker reads after the rest.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libc.so.6
                OUTPUT_VARIABLE VQ_LIBC OUTPUT_STRIP_TRAILING_WHITESPACE)

# Of the libraries Qt brings in, those most imports bind to next, by the files the loader
# finds for Qt Gui (none where ldd is missing: then they stay where Qt names them).
set(VQ_LOOKUP_LIBS "")
get_target_property(_gui_file Qt6::Gui IMPORTED_LOCATION_RELEASE)
if(NOT _gui_file)
  get_target_property(_gui_file Qt6::Gui IMPORTED_LOCATION)
endif()
find_program(VQ_LDD ldd)
if(VQ_LDD AND _gui_file)
  execute_process(COMMAND ${VQ_LDD} ${_gui_file} OUTPUT_VARIABLE _ldd ERROR_QUIET)
  foreach(_name libicuuc libdbus-1 libsystemd libharfbuzz libX11 libpng16 libfreetype)
    if(_ldd MATCHES "${_name}\\.so[^ ]* => ([^ ]+)")
      list(APPEND VQ_LOOKUP_LIBS ${CMAKE_MATCH_1})
    endif()
  endforeach()
endif()

set(VQ_STARTUP_ORDER ${PROJECT_SOURCE_DIR}/app/startup-order.txt)

function(vq_link_in_startup_order target)
  # The loader looks every symbol the libraries import up in the program's libraries in the
  # order they are named, most of them in Qt Core, the C and C++ runtimes, Qt Gui and Widgets,
  # then in the libraries Qt brings in. Named first, each lookup stops there instead of
  # passing the ones before; Qt's libraries keep their order among themselves and the others
  # share no symbols, so the order binds nothing differently.
  if(EXISTS "${VQ_LIBC}")
    target_link_options(${target} PRIVATE "LINKER:--push-state,--no-as-needed"
                        $<TARGET_LINKER_FILE:Qt6::Core> ${VQ_LIBC} -lstdc++
                        $<TARGET_LINKER_FILE:Qt6::Gui> $<TARGET_LINKER_FILE:Qt6::Widgets>
                        ${VQ_LOOKUP_LIBS} "LINKER:--pop-state")
  endif()
  if(VQ_HAVE_LLD)
    target_link_options(${target} PRIVATE -fuse-ld=lld
                        "LINKER:--symbol-ordering-file=${VQ_STARTUP_ORDER}"
                        # Names the code no longer has are expected until the list is rewritten.
                        "LINKER:--no-warn-symbol-ordering")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VQ_STARTUP_ORDER})
  endif()
endfunction()
