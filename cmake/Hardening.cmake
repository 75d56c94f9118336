# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The optimised builds made outside dpkg get the flags of Debian's hardening=+all, and their
# binaries name no build folder, so that the same sources give the same binary wherever they
# are built. A Debian build configures with CMAKE_BUILD_TYPE=None and takes all of its flags
# from dpkg-buildflags, so nothing here applies to it and the two sets never meet. The sanitizer
# build goes without the hardening: the sanitizers bring their own checks, and stack protection
# and fortification only get in their way.
#
# Each flag is added only where the compiler and linker take it: -fcf-protection, say, is for
# x86 alone, and GCC refuses it elsewhere.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

set(quorvel_optimised "$<CONFIG:Release,RelWithDebInfo>")

# Adds each compiler flag the compiler accepts to the optimised builds.
function(quorvel_add_compile_flags)
    foreach(flag IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER "QUORVEL_CXX_HAS${flag}" result)
        check_cxx_compiler_flag(${flag} ${result})
        if(${result})
            add_compile_options("$<${quorvel_optimised}:${flag}>")
        endif()
    endforeach()
endfunction()

if(NOT QUORVEL_SANITIZE)
    quorvel_add_compile_flags(-fstack-protector-strong -fstack-clash-protection -fcf-protection
        -Wformat)
    # GCC refuses this one without -Wformat.
    set(CMAKE_REQUIRED_FLAGS -Wformat)
    quorvel_add_compile_flags(-Werror=format-security)
    unset(CMAKE_REQUIRED_FLAGS)
    # Undefined first: a level set elsewhere would clash with ours.
    add_compile_options("$<${quorvel_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    foreach(flag IN ITEMS -Wl,-z,relro -Wl,-z,now)
        string(MAKE_C_IDENTIFIER "QUORVEL_LD_HAS${flag}" result)
        check_linker_flag(CXX ${flag} ${result})
        if(${result})
            add_link_options("$<${quorvel_optimised}:${flag}>")
        endif()
    endforeach()
    check_linker_flag(CXX -pie QUORVEL_LD_HAS_PIE)
    if(QUORVEL_LD_HAS_PIE)
        add_link_options(
            "$<$<AND:${quorvel_optimised},$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>>:-pie>")
    endif()
endif()

# The last map that matches wins, and the build folder usually lies inside the source folder.
check_cxx_compiler_flag(-ffile-prefix-map=/a=b QUORVEL_CXX_HAS_FILE_PREFIX_MAP)
if(QUORVEL_CXX_HAS_FILE_PREFIX_MAP)
    add_compile_options("$<${quorvel_optimised}:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=.>")
endif()
