# The Debian package: `cpack -G DEB` in the build folder (tools/package runs
# it) makes orrinwick_<version>_amd64.deb for prefix /usr.
#
# The desktop's caches need no maintainer scripts: on Debian 12 the launcher
# entries (desktop-file-utils), the MIME database (shared-mime-info), the
# icon cache (hicolor-icon-theme), AppStream and the manual page index
# (man-db) are refreshed by the file triggers those packages hold on the
# folders we install into.
#
# lintian finds no error and no warning. Its notes (--display-info), kept:
#   package-contains-empty-directory usr/share/orrinwick/ -- the program's
#     resources folder, where a tunnel helper may be put; the program looks
#     for it there (sync/TunnelHelperLocation.h).
#   binary-has-unneeded-section .comment -- the compiler's version note,
#     which CPack's strip keeps.

include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME orrinwick)
set(CPACK_PACKAGE_VENDOR "Orrinwick Household Software")
set(CPACK_PACKAGE_CONTACT "Orrinwick Household Software <support@orrinwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "household budget by month, kept like a cheque book")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orrinwick.example/")
# The libraries the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked but loaded at start: Qt's own translations, so that the
# standard buttons speak the user's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The first line of the description is the summary above.
set(CPACK_PACKAGE_DESCRIPTION "Orrinwick keeps a household budget by month: spending categories, a budget
for each month of the year, a register of every transaction, what is left
per category and month, and a monthly average per category. In envelope
mode money is set aside per category and month. One plain-text file holds
a year, optionally kept in a Subversion working copy.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's documentation files: the copyright and, for a package without a
# Debian revision, changelog.gz, compressed as dpkg-deb expects (no name or
# time stamp, so the package builds the same twice).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(changelog_gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog_gz} DESTINATION ${doc_dir})

include(CPack)
