# Reads the one list of the languages the program speaks. Sets TARVIX_LOCALES
# (locale names, in the list's order) and, for each locale L,
# TARVIX_LOCALE_<L>_CATALOGUE (base name of the program's .ts/.qm) and
# TARVIX_LOCALE_<L>_MATCH (the "+"-separated parts that choose the services'
# catalogue). Editing the list reconfigures the build.
set(TARVIX_LOCALES_FILE ${PROJECT_SOURCE_DIR}/src/Resource/translations/locales)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TARVIX_LOCALES_FILE})
file(STRINGS ${TARVIX_LOCALES_FILE} tarvix_locale_lines REGEX "^[ \t]*[^# \t]")
set(TARVIX_LOCALES "")
foreach(line ${tarvix_locale_lines})
    string(STRIP "${line}" line)
    string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
    list(LENGTH fields field_count)
    if(NOT field_count EQUAL 3)
        message(FATAL_ERROR "${TARVIX_LOCALES_FILE}: \"${line}\" is not: locale catalogue match")
    endif()
    list(GET fields 0 locale)
    list(GET fields 1 TARVIX_LOCALE_${locale}_CATALOGUE)
    list(GET fields 2 TARVIX_LOCALE_${locale}_MATCH)
    list(APPEND TARVIX_LOCALES ${locale})
endforeach()
