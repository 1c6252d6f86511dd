# The program's folders are layers: app/ -> mode/ -> window/ -> runtime/core/, and each backend of
# the runtime over its core; beside them, each library of the build-time generators. A layer's
# targets see their own headers and those of the layers they link, no others, because each layer's
# headers are reached through a folder of the build that holds that layer alone. An include that
# runs the wrong way does not build.
function(tvorka1_layer target)
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(root "${PROJECT_BINARY_DIR}/layers/${folder}")
    set(view "${root}/${folder}")
    get_filename_component(parent "${view}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${view}" RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
        # Where symbolic links are not allowed (Windows without developer mode), a copy of the
        # headers, made again whenever one of them changes.
        file(REMOVE_RECURSE "${view}")
        file(COPY ${headers} DESTINATION "${view}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${headers})
    endif()
    target_include_directories(${target} PUBLIC "${root}")

    # Every header compiles within its own layer, so that one which includes a layer above it
    # fails here, even in a layer of headers alone, and not only where a higher layer includes it.
    set(check "${CMAKE_CURRENT_BINARY_DIR}/${target}_headers.cpp")
    set(includes "// Generated: every header of ${folder}, compiled on its own layer's include path.\n")
    foreach(header IN LISTS headers)
        get_filename_component(name "${header}" NAME)
        string(APPEND includes "#include \"${folder}/${name}\"\n")
    endforeach()
    file(CONFIGURE OUTPUT "${check}" CONTENT "${includes}")
    target_sources(${target} PRIVATE "${check}")
    set_property(GLOBAL APPEND PROPERTY TVORKA1_LAYERS ${target})
endfunction()

# Called once every layer is defined: no layer reaches a folder of the source tree through an
# include folder of its own, which would let an include run up a layer past the walls; layers are
# reached through their views in the build.
function(tvorka1_check_layers)
    get_property(layers GLOBAL PROPERTY TVORKA1_LAYERS)
    foreach(target IN LISTS layers)
        get_target_property(private ${target} INCLUDE_DIRECTORIES)
        get_target_property(public ${target} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(folder IN LISTS private public)
            cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${folder}" NORMALIZE in_source)
            cmake_path(IS_PREFIX PROJECT_BINARY_DIR "${folder}" NORMALIZE in_build)
            if(in_source AND NOT in_build)
                message(FATAL_ERROR "${target} includes from ${folder}, past the layers' walls: "
                    "reach a layer through the target that defines it")
            endif()
        endforeach()
    endforeach()
endfunction()
