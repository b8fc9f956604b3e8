# The Debian package (cpack -G DEB in the build folder): the executables and their modules, libtiffio32 with its header,
# the fonts, machines, samples and help under share/quillmark, the desktop entry, icon, project type
# and manual pages, all as `cmake --install` puts them.  The libraries the executables need are found by
# dpkg-shlibdeps; the fonts and dictionary the program looks for by name are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "QUILLMARK")
set(CPACK_PACKAGE_CONTACT "QUILLMARK PRO-2008 maintainers <maintainers@quillmark.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "CAM program for engraving machines")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "QUILLMARK PRO-2008 lays out text (single-line engraving fonts or TrueType faces, on a line, an arc or "
    "a curve) and artwork (DXF, HPGL, TMG, traced pictures) for engraving, turns the job into a tool path "
    "and writes NC code for the shop's machine: G-code mills and lathes with rotary axes, GRBL and "
    "LinuxCNC controls, a laser, Bendix and EZ-Track dialects.  Name tags and serial plates come from a "
    "spreadsheet, and every program can be read back and checked against its tool path.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# FreeType and fontconfig are opened by name when a TrueType face is first used, so dpkg-shlibdeps
# cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libfreetype6, libfontconfig1")
# Scanning runs SANE's scanimage.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us, sane-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
