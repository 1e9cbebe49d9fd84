# The program's translations (Qt Linguist), built into the core library as
# resources under :/i18n and loaded at start by platform/Translations.h.
#
# After texts were added or changed, bring every .ts file up to date with
#     cmake --build build --target update_translations
# then translate what it marks unfinished (`linguist translations/orrinwick_de.ts`
# or an editor) and build again. tools/check-translations fails while any
# entry is unfinished or a translated text has vanished from the sources.
# Locations are left out of the .ts files so that they change only when a
# text does.
file(GLOB_RECURSE translatable_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/resources/*.ui)
qt_add_translations(orrinwick_core
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/orrinwick_de.ts
    SOURCES ${translatable_sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src/core ${PROJECT_SOURCE_DIR}/src/gui
    LUPDATE_OPTIONS -no-obsolete -locations none
    RESOURCE_PREFIX /i18n)
