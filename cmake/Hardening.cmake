# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The optimised builds are the ones that ship, so they get the flags of Debian's hardening=+all,
# and their binaries name no build folder, so that the package comes out byte for byte the same
# wherever it is built. The sanitizer build goes without the hardening: the sanitizers bring
# their own checks, and stack protection and fortification only get in their way.
set(quorvel_optimised "$<CONFIG:Release,RelWithDebInfo>")

if(NOT QUORVEL_SANITIZE)
    add_compile_options(
        "$<${quorvel_optimised}:-fstack-protector-strong;-fstack-clash-protection;-fcf-protection>"
        "$<${quorvel_optimised}:-Wformat;-Werror=format-security>"
        # Undefined first: a level set elsewhere would clash with ours.
        "$<${quorvel_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options("$<${quorvel_optimised}:-Wl,-z,relro;-Wl,-z,now>"
        "$<$<AND:${quorvel_optimised},$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>>:-pie>")
endif()

# The last map that matches wins, and the build folder usually lies inside the source folder.
add_compile_options(
    "$<${quorvel_optimised}:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=.>")
