# Qt's module headers are most of what each of our files costs to compile, so
# they are precompiled once per kind of target and reused by its kin. Code
# that is shipped is compiled plainly in release builds (FM_REPRODUCIBLE), the
# way that is checked to repeat byte for byte; the tests, never shipped,
# always use them.

# fm_precompile_qt(target [SHIPPED] header...)
function(fm_precompile_qt target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "SHIPPED" "" "")
    if(FM_FUZZ OR (FM_REPRODUCIBLE AND arg_SHIPPED))
        return()
    endif()
    target_precompile_headers(${target} PRIVATE ${arg_UNPARSED_ARGUMENTS})
endfunction()

# Compiles the target with the precompiled headers of another, whose Qt
# modules and definitions it shares.
function(fm_reuse_precompiled_qt target from)
    get_target_property(from_headers ${from} PRECOMPILE_HEADERS)
    if(from_headers)
        target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
endfunction()
