# cmake -DLUPDATE=... -DSOURCES=src/station -DTS=translations/X.ts -DWORK=folder -P this file
# Fails unless every word of the sources has a finished translation in TS: lupdate is run on a copy
# of it, so that a word new in the sources shows as unfinished too.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
configure_file(${TS} ${WORK}/${name} COPYONLY)
execute_process(COMMAND ${LUPDATE} -no-obsolete ${SOURCES} -ts ${WORK}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}): ${out}${err}")
endif()
file(READ ${WORK}/${name} text)
string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${text}")
list(LENGTH unfinished count)
if(count GREATER 0)
    # The words, where lupdate put them right before their empty translation.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" words
        "${text}")
    string(REPLACE "<translation type=\"unfinished\"" "" words "${words}")
    message(FATAL_ERROR "${count} words of ${name} have no finished translation:\n${words}")
endif()
message(STATUS "every word of ${name} is translated")
