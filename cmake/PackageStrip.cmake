# Run by CPack on the staged tree before it packs it: the executable loses
# the compiler's version notes (.comment) too, as Debian strips its own.
execute_process(COMMAND ${CPACK_SORVANTA_OBJCOPY} --remove-section=.comment
                        ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_SORVANTA_PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
