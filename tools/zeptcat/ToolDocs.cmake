# SPDX-License-Identifier: MIT
# zeptcat's man page and bash completion, made from the built zeptcat at build
# time (cmake -P). ZEPTCAT is the binary; MODE is "completion" (OUTPUT: the
# script) or "man" (OUTPUT: the page; HELP2MAN, INCLUDE: the hand-written
# sections). The page's COMMANDS section holds every subcommand's own help.
if(MODE STREQUAL "completion")
  execute_process(COMMAND ${ZEPTCAT} --bash-completion OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "zeptcat --bash-completion failed: ${failed}")
  endif()
  return()
endif()

execute_process(COMMAND ${ZEPTCAT} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "zeptcat --help failed: ${failed}")
endif()
string(FIND "${help}" "\nSubcommands:\n" at)
string(SUBSTRING "${help}" ${at} -1 listed)
string(REGEX MATCHALL "\n  [a-z]+ " names "${listed}")
set(commands "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${ZEPTCAT} ${name} --help OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "zeptcat ${name} --help failed: ${failed}")
  endif()
  # Plain text for roff: backslashes escaped, no line taken for a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "\n." "\n\\&." text "${text}")
  string(REPLACE "\n'" "\n\\&'" text "${text}")
  string(APPEND commands ".SS \"zeptcat ${name}\"\n.nf\n${text}.fi\n")
endforeach()
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(WRITE ${dir}/zeptcat-commands.h2m "${commands}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section 1 --name "query and edit the catalogs of ZEPTDatabase"
          --include ${INCLUDE} --include ${dir}/zeptcat-commands.h2m --output ${OUTPUT} ${ZEPTCAT}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "help2man failed: ${failed}")
endif()
