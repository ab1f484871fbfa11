# Builds the catalogue from SQL text into a fresh file, then moves it into place,
# so an error never leaves a half-built database behind.
set(temporary "${OUTPUT}.building")
file(REMOVE "${temporary}")
set(reads)
foreach(source IN LISTS SOURCES)
    list(APPEND reads ".read ${source}")
endforeach()
execute_process(COMMAND "${SQLITE3}" -bail "${temporary}" ${reads}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR errors)
    file(REMOVE "${temporary}")
    message(FATAL_ERROR "Building ${OUTPUT} failed: ${errors}")
endif()
file(RENAME "${temporary}" "${OUTPUT}")
