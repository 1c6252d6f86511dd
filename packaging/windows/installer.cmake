# The Windows installer: an MSI that wixl (msitools) builds from tvorka1.wxs.in, with the program,
# its Start-menu shortcut and its Apps and Features entry, for the build's architecture. Windows
# Installer itself removes all of it again. Included from the top-level CMakeLists for Windows
# builds, after the program's target.
include_guard(GLOBAL)

# A build without wixl (Windows itself, say) makes the program alone.
find_program(TVORKA1_WIXL wixl)
if(NOT TVORKA1_WIXL)
    message(STATUS "No installer: it is built by wixl (Debian package: wixl)")
    return()
endif()
# make_msi.py sets what wixl leaves to the clock and to chance through libmsi's bindings, which
# Debian gives its own Python.
find_program(TVORKA1_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
execute_process(COMMAND "${TVORKA1_PYTHON}" -c "import gi; gi.require_version('Libmsi', '1.0')"
    RESULT_VARIABLE _libmsi OUTPUT_QUIET ERROR_QUIET)
if(NOT _libmsi EQUAL 0)
    message(FATAL_ERROR "The installer needs libmsi's Python bindings (Debian packages: python3-gi gir1.2-libmsi-1.0)")
endif()

# Windows Installer knows every version of the program, 32- and 64-bit, by this code: it never
# changes. So a later version of either replaces whichever is installed.
set(TVORKA1_UPGRADE_CODE "F6415929-3FE0-4C28-82FC-6A317F8D60C7")
# Windows Installer's name of the build's architecture.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TVORKA1_MSI_ARCHITECTURE x64)
else()
    set(TVORKA1_MSI_ARCHITECTURE x86)
endif()

# wixl 0.101 finds the files to install only by paths relative to the folder it runs in.
set(TVORKA1_WXS_DIR "${PROJECT_BINARY_DIR}/packaging/windows")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

# The time the installers carry, looked up at every build; the file, and so the installers, change
# only when it does.
set(TVORKA1_SOURCE_DATE "${PROJECT_BINARY_DIR}/source-date-epoch")
add_custom_target(tvorka1_source_date
    COMMAND bash "${PROJECT_SOURCE_DIR}/tools/source_date.sh" --write "${TVORKA1_SOURCE_DATE}"
    BYPRODUCTS "${TVORKA1_SOURCE_DATE}" VERBATIM)

# Builds the MSI `msi` of this build's program as `version`, for `architecture` (x86 or x64), in
# the target `target`, which is built with everything else.
function(tvorka1_msi target msi version architecture)
    # Each version's own code, the same at every build of it, and for both architectures: a rebuilt
    # installer of an installed version finds it installed instead of adding a second entry, and
    # Windows Installer refuses the other architecture's installer of the same version.
    string(UUID TVORKA1_PRODUCT_CODE NAMESPACE "${TVORKA1_UPGRADE_CODE}" NAME "${version}" TYPE SHA1 UPPER)
    set(PROJECT_VERSION "${version}")
    # The 32-bit program goes into Program Files (x86) on 64-bit Windows.
    if(architecture STREQUAL "x64")
        set(TVORKA1_PROGRAM_FILES ProgramFiles64Folder)
        set(TVORKA1_WIN64 yes)
    else()
        set(TVORKA1_PROGRAM_FILES ProgramFilesFolder)
        set(TVORKA1_WIN64 no)
    endif()
    set(ico "${PROJECT_SOURCE_DIR}/app/icon/tvorka1.ico")
    set(TVORKA1_INSTALLER_ICO "$<PATH:RELATIVE_PATH,${ico},${TVORKA1_WXS_DIR}>")
    get_filename_component(name "${msi}" NAME_WLE)
    # The installer takes the program from a copy of its own, which carries the source's time.
    set(TVORKA1_EXE "${name}/$<TARGET_FILE_NAME:tvorka1>")
    set(wxs "${TVORKA1_WXS_DIR}/${name}.wxs")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/tvorka1.wxs.in" "${wxs}.in" @ONLY)
    file(GENERATE OUTPUT "${wxs}" INPUT "${wxs}.in")
    set(script "${PROJECT_SOURCE_DIR}/packaging/windows/make_msi.py")
    add_custom_command(OUTPUT "${msi}"
        COMMAND "${TVORKA1_PYTHON}" "${script}" "${TVORKA1_WIXL}" "${name}.wxs" "${msi}" ${architecture}
            "$<TARGET_FILE:tvorka1>" "${TVORKA1_EXE}" "${TVORKA1_SOURCE_DATE}" "${TVORKA1_UPGRADE_CODE}" "${version}"
        DEPENDS tvorka1 tvorka1_source_date "${TVORKA1_SOURCE_DATE}" "${wxs}" "${ico}" "${script}"
        WORKING_DIRECTORY "${TVORKA1_WXS_DIR}"
        COMMENT "Building the installer ${name}.msi"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${msi}")
endfunction()

set(TVORKA1_INSTALLER_MSI
    "${PROJECT_BINARY_DIR}/package/${PROJECT_NAME}-${PROJECT_VERSION}-${TVORKA1_MSI_ARCHITECTURE}.msi")
tvorka1_msi(tvorka1_installer "${TVORKA1_INSTALLER_MSI}" "${PROJECT_VERSION}" ${TVORKA1_MSI_ARCHITECTURE})
