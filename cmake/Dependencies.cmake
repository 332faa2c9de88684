# libjpeg-turbo and giflib. Natively they come from Debian's -dev packages;
# for mingw, scripts/setup cross-builds them from Debian's source packages
# into REPAIR_DEPS_PREFIX.
# scripts/env.sh exports the prefix it installs into; without it, its default.
if(DEFINED ENV{REPAIR_DEPS_PREFIX})
  set(_deps_default "$ENV{REPAIR_DEPS_PREFIX}")
elseif(DEFINED ENV{REPAIR_CACHE})
  set(_deps_default "$ENV{REPAIR_CACHE}/mingw")
else()
  set(_deps_default "$ENV{HOME}/.cache/velmora-repair/mingw")
endif()
set(REPAIR_DEPS_PREFIX "${_deps_default}" CACHE PATH
    "Where scripts/setup installs the cross-built libraries")

if(REPAIR_WINDOWS)
  set(_prefix ${REPAIR_DEPS_PREFIX})
  if(EXISTS ${_prefix}/lib/libjpeg.a)
    add_library(Repair::jpeg STATIC IMPORTED GLOBAL)
    set_target_properties(Repair::jpeg PROPERTIES
      IMPORTED_LOCATION ${_prefix}/lib/libjpeg.a
      INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include)
  endif()
  if(EXISTS ${_prefix}/lib/libgif.a)
    add_library(Repair::gif STATIC IMPORTED GLOBAL)
    set_target_properties(Repair::gif PROPERTIES
      IMPORTED_LOCATION ${_prefix}/lib/libgif.a
      INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include)
  endif()
  # zlib for mingw comes from Debian's libz-mingw-w64-dev; link it statically.
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB)
else()
  find_package(JPEG)
  if(JPEG_FOUND)
    add_library(Repair::jpeg INTERFACE IMPORTED GLOBAL)
    target_link_libraries(Repair::jpeg INTERFACE JPEG::JPEG)
  endif()
  find_library(GIF_LIB gif)
  if(GIF_LIB)
    add_library(Repair::gif UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Repair::gif PROPERTIES IMPORTED_LOCATION ${GIF_LIB})
  endif()
  find_package(ZLIB)
  if(REPAIR_BENCH)
    find_package(benchmark QUIET)
  endif()
endif()
