# Writes the COMMANDS section of the rp70 man page: the --help of every command that rp70 --help
# lists, as help2man include text.
# Usage: cmake -DRP70=PATH/TO/rp70 -DOUTPUT=FILE.h2m -P rp70_commands.cmake

function(rp70_help output)
    execute_process(COMMAND "${RP70}" ${ARGN} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "rp70 ${ARGN} --help failed: ${status}")
    endif()
    set(${output} "${help}" PARENT_SCOPE)
endfunction()

rp70_help(overview)
string(REGEX MATCH "Commands:\n(  [^\n]+\n)+" listing "${overview}")
string(REGEX MATCHALL "\n  [a-z0-9-]+" commands "${listing}")
if(NOT commands)
    message(FATAL_ERROR "rp70 --help lists no commands")
endif()

set(text "[COMMANDS]\n")
foreach(command ${commands})
    string(STRIP "${command}" command)
    rp70_help(help ${command})
    # The usage line names the program by its path and leaves the command out.
    string(REGEX REPLACE "^Usage: [^ \n]+" "Usage: rp70 ${command}" help "${help}")
    string(REPLACE "\\" "\\e" help "${help}")
    string(REPLACE "-" "\\-" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE "${OUTPUT}" "${text}")
