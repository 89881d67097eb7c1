# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags on everything built: what dpkg-buildflags gives with every hardening
# feature on (fortified functions, stack protector, full RELRO with -z now; PIE through CMake),
# less its optimisation, debug and path flags, which the build type and the build folder set.
# Where dpkg-buildflags is missing, the same flags as Debian 12 gives them.
set(flexedit_hardening -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
    -Werror=format-security -Wl,-z,relro -Wl,-z,now)
find_program(FLEXEDIT_DPKG_BUILDFLAGS dpkg-buildflags)
if(FLEXEDIT_DPKG_BUILDFLAGS)
  set(flexedit_hardening)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${FLEXEDIT_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|f.*prefix-map=.*)$")
    list(APPEND flexedit_hardening ${flags})
  endforeach()
endif()
set(flexedit_hardening_link ${flexedit_hardening})
list(FILTER flexedit_hardening INCLUDE REGEX "^-[^W]|^-W[^l]")  # compiler flags
list(FILTER flexedit_hardening_link INCLUDE REGEX "^-Wl,")      # linker flags
add_compile_options(${flexedit_hardening})
add_link_options(${flexedit_hardening_link})
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
message(STATUS "Hardening: ${flexedit_hardening} ${flexedit_hardening_link} PIE")
