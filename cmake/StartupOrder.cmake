# Start-up order: the functions the demo runs from launch to its first shown window
# (app/startup-order.txt, written by tools/startup_order.py) are laid out next to each other
# by the linker. Scattered among the rest, they made the kernel map nearly the whole program
# at start; together, about half of it. Needs lld (for its symbol ordering) and every
# function in a section of its own; without lld the programs link as usual.
include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=lld" VQ_HAVE_LLD)
add_compile_options(-ffunction-sections)

set(VQ_STARTUP_ORDER ${PROJECT_SOURCE_DIR}/app/startup-order.txt)

function(vq_link_in_startup_order target)
  if(VQ_HAVE_LLD)
    target_link_options(${target} PRIVATE -fuse-ld=lld
                        "LINKER:--symbol-ordering-file=${VQ_STARTUP_ORDER}"
                        # Names the code no longer has are expected until the list is rewritten.
                        "LINKER:--no-warn-symbol-ordering")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VQ_STARTUP_ORDER})
  endif()
endfunction()
