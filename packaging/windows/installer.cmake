# The Windows installer: an MSI that wixl (msitools) builds from tvorka1.wxs.in, with the program,
# its Start-menu shortcut and its Apps and Features entry. Windows Installer itself removes all of
# it again. Included from the top-level CMakeLists for Windows builds, after the program's target.
include_guard(GLOBAL)

# A build without wixl (Windows itself, say) makes the program alone.
find_program(TVORKA1_WIXL wixl)
if(NOT TVORKA1_WIXL OR NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    message(STATUS "No installer: it is built by wixl (Debian package: wixl), for x64 only")
    return()
endif()

# Windows Installer knows every version of the program by this code: it never changes.
set(TVORKA1_UPGRADE_CODE "F6415929-3FE0-4C28-82FC-6A317F8D60C7")
# Each version's own code, the same at every build of it: a rebuilt installer of an installed
# version finds it installed instead of adding a second entry.
string(UUID TVORKA1_PRODUCT_CODE NAMESPACE "${TVORKA1_UPGRADE_CODE}" NAME "${PROJECT_VERSION}" TYPE SHA1 UPPER)

set(TVORKA1_INSTALLER_MSI "${PROJECT_BINARY_DIR}/package/${PROJECT_NAME}-${PROJECT_VERSION}-x64.msi")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

# wixl 0.101 finds the files to install only by paths relative to the folder it runs in.
set(_wxs_dir "${PROJECT_BINARY_DIR}/packaging/windows")
set(_ico "${PROJECT_SOURCE_DIR}/app/icon/tvorka1.ico")
set(TVORKA1_INSTALLER_ICO "$<PATH:RELATIVE_PATH,${_ico},${_wxs_dir}>")
set(TVORKA1_EXE "$<PATH:RELATIVE_PATH,$<TARGET_FILE:tvorka1>,${_wxs_dir}>")
configure_file("${CMAKE_CURRENT_LIST_DIR}/tvorka1.wxs.in" "${_wxs_dir}/tvorka1.wxs.in" @ONLY)
file(GENERATE OUTPUT "${_wxs_dir}/tvorka1.wxs" INPUT "${_wxs_dir}/tvorka1.wxs.in")

add_custom_command(OUTPUT "${TVORKA1_INSTALLER_MSI}"
    COMMAND "${TVORKA1_WIXL}" -a x64 -o "${TVORKA1_INSTALLER_MSI}" tvorka1.wxs
    DEPENDS tvorka1 "${_wxs_dir}/tvorka1.wxs" "${_ico}"
    WORKING_DIRECTORY "${_wxs_dir}"
    COMMENT "Building the installer ${PROJECT_NAME}-${PROJECT_VERSION}-x64.msi"
    VERBATIM)
add_custom_target(tvorka1_installer ALL DEPENDS "${TVORKA1_INSTALLER_MSI}")
