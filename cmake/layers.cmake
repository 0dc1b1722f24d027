# A layer is the folder src/<layer>/ built into the library mewlark_<layer>, which links only the
# layers below it. Its *_win32.cpp files join the library in the Windows build only.
set(MEWLARK_LAYERS "")
# Every layer name, so a check knows an include of a layer defined later is one too.
set(MEWLARK_ALL_LAYERS base keys input skins settings pet draw desk render ui update app)

function(mewlark_layer layer)
    set(below ${ARGN})
    set(MEWLARK_LAYER_USES_${layer} ${below} PARENT_SCOPE)
    set(MEWLARK_LAYER_USES_${layer} ${below})
    set(layers ${MEWLARK_LAYERS} ${layer})
    set(MEWLARK_LAYERS ${layers} PARENT_SCOPE)

    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${layer}/*.cpp
                                        ${CMAKE_SOURCE_DIR}/src/${layer}/*.h)
    # The version text is compiled once per program (mewlark_version_library).
    list(FILTER sources EXCLUDE REGEX "/(winmain_win32|version_text)\\.cpp$")
    if(NOT WIN32)
        list(FILTER sources EXCLUDE REGEX "_win32\\.(cpp|h)$")
    endif()
    set(compiled ${sources})
    list(FILTER compiled INCLUDE REGEX "\\.cpp$")

    set(target mewlark_${layer})
    if(compiled)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        mewlark_target_options(${target})
        set(scope PUBLIC)
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        set(scope INTERFACE)
    endif()
    foreach(lower IN LISTS below)
        target_link_libraries(${target} ${scope} mewlark_${lower})
    endforeach()
    if(NOT below)
        target_link_libraries(${target} ${scope} ${MEWLARK_SYSTEM_LIBS})
    endif()
    if(sources)
        mewlark_check_includes(${layer} ALLOWED ${layer} ${below} FILES ${sources})
        add_dependencies(${target} check_includes_${layer})
    endif()
endfunction()

# Fails the build when one of FILES includes a header of a layer outside ALLOWED. `name` names
# the check target (check_includes_<name>).
function(mewlark_check_includes name)
    cmake_parse_arguments(arg "" "" "ALLOWED;FILES" ${ARGN})
    set(files ${arg_FILES})
    string(REPLACE ";" "," allowed_csv "${arg_ALLOWED}")
    string(REPLACE ";" "," all_csv "${MEWLARK_ALL_LAYERS}")
    set(stamp ${CMAKE_BINARY_DIR}/layer_checks/${name}.stamp)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DLAYER=${name}" "-DALLOWED=${allowed_csv}"
                "-DLAYERS=${all_csv}" "-DFILES=${files}" "-DSTAMP=${stamp}"
                -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
        DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
        COMMENT "Checking the includes of ${name} against the layers"
        VERBATIM)
    add_custom_target(check_includes_${name} DEPENDS ${stamp})
endfunction()
