# What keeps a build from scratch short: how much debug information the compiler writes, and the
# Qt and standard headers parsed once per kind of target instead of once per source file.

# -g makes a quarter to a third of an optimised compile; line tables cost next to nothing and are
# all that sanitizer reports, backtraces and profilers need.
set(VQ_DEBUG_INFO full CACHE STRING
    "Debug information: full, lines (line tables: reports and backtraces) or none")
set_property(CACHE VQ_DEBUG_INFO PROPERTY STRINGS full lines none)
if(NOT VQ_DEBUG_INFO MATCHES "^(full|lines|none)$")
  message(FATAL_ERROR "VQ_DEBUG_INFO is full, lines or none, not '${VQ_DEBUG_INFO}'")
endif()
set(_debug_flag "")
if(VQ_DEBUG_INFO STREQUAL "lines")
  set(_debug_flag -g1)
endif()
if(NOT VQ_DEBUG_INFO STREQUAL "full")
  foreach(cfg RELWITHDEBINFO DEBUG)
    string(REGEX REPLACE "(^| )-g( |$)" "\\1${_debug_flag}\\2" CMAKE_CXX_FLAGS_${cfg}
           "${CMAKE_CXX_FLAGS_${cfg}}")
  endforeach()
endif()

# Sanitized code compiled at -O2 takes twice as long as at -O1 and finds nothing more.
if(VQ_SANITIZE OR VQ_BUILD_FUZZ)
  string(REPLACE "-O2" "-O1" CMAKE_CXX_FLAGS_RELWITHDEBINFO "${CMAKE_CXX_FLAGS_RELWITHDEBINFO}")
endif()

# Precompiled headers: every C++ target of the project force-includes the Qt and standard headers
# most of its sources include, compiled once for the libraries and programs and once per folder
# of test programs (which add Google Test and Qt Test). Only Qt's and the standard library's headers go in:
# one of ours would rebuild everything on each change. A header of ours that forgets an include
# still compiles here, so builds with VQ_PCH off (the fuzz build) keep the headers honest.
option(VQ_PCH "Precompile the Qt and standard headers" ON)
if(VQ_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  # The compiler cache hashes a precompiled header only when told that its time and definition
  # macros may be ignored.
  set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_SLOPPINESS=pch_defines,time_macros
                                  ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# Unity builds: a test program's sources compiled a few at a time as one file, so that Google
# Test's and Qt's templates are instantiated and optimised once per batch rather than per file.
# Each file's anonymous namespace is then shared with its batch, so two files may not define the
# same name there; fixtures in anonymous namespaces are fine (GCC's subobject-linkage warning
# assumes they come from a header). Off by default: a changed file recompiles its batch.
option(VQ_UNITY "Compile the test programs in batches (unity builds)" OFF)
function(vq_unity_build target)
  if(VQ_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 6)
    target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  endif()
endfunction()

set(VQ_PCH_HEADERS
    <algorithm> <cstdint> <functional> <map> <memory> <optional> <string> <vector>
    <QApplication> <QByteArray> <QColor> <QCoreApplication> <QDir> <QEvent> <QFile> <QFileInfo>
    <QFont> <QFontMetrics> <QHash> <QImage> <QKeyEvent> <QList> <QMouseEvent> <QObject>
    <QPainter> <QPixmap> <QPointer> <QScreen> <QString> <QStringList> <QStyle> <QTextBlock>
    <QTextCursor> <QTextDocument> <QTimer> <QWidget> <QWindow>)
set(VQ_TEST_PCH_HEADERS ${VQ_PCH_HEADERS} <gtest/gtest.h> <QTest>)

# The C++ targets of a directory and those below it.
function(_vq_targets_below dir out)
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS _subdirs)
    _vq_targets_below(${sub} _more)
    list(APPEND _targets ${_more})
  endforeach()
  set(${out} ${_targets} PARENT_SCOPE)
endfunction()

# Called once every target exists. The first library (or test program) compiles the header, the
# others of its kind reuse it: their flags are the same, but for definitions the headers never
# read. Only targets built with our warnings take part (the compiled-in resources do not), and the
# fuzz targets are left as they are.
function(vq_precompile_headers)
  if(NOT VQ_PCH)
    return()
  endif()
  _vq_targets_below(${PROJECT_SOURCE_DIR} _targets)
  set(_first_lib "")
  foreach(tgt IN LISTS _targets)
    get_target_property(_type ${tgt} TYPE)
    if(NOT _type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$" OR tgt MATCHES "^fuzz_")
      continue()
    endif()
    get_target_property(_libs ${tgt} LINK_LIBRARIES)
    # Reusing a header needs the flags it was made with: those of our warnings target.
    if(NOT _libs OR NOT _libs MATCHES "vq_warnings")
      continue()
    endif()
    if(_libs MATCHES "vq_test_support|GTest::")
      # Qt Test defines the test's build folder, which its header reads: one per folder.
      get_target_property(_dir ${tgt} BINARY_DIR)
      string(MAKE_C_IDENTIFIER "${_dir}" _key)
      if(_first_test_${_key})
        target_precompile_headers(${tgt} REUSE_FROM ${_first_test_${_key}})
      else()
        target_precompile_headers(${tgt} PRIVATE ${VQ_TEST_PCH_HEADERS})
        set(_first_test_${_key} ${tgt})
      endif()
    elseif(_first_lib)
      target_precompile_headers(${tgt} REUSE_FROM ${_first_lib})
    else()
      target_precompile_headers(${tgt} PRIVATE ${VQ_PCH_HEADERS})
      set(_first_lib ${tgt})
    endif()
  endforeach()
endfunction()
