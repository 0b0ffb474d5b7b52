# Runs the bundled example in a scratch folder: the GenePop file's name is typed at Pelkin's
# prompt, then Morvast reads pelkin.out with the answers for sample plan 1 and a census size
# of 200, the figures the example was simulated with. The report is printed in full.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${EXAMPLE} DESTINATION ${SCRATCH})
get_filename_component(example_name ${EXAMPLE} NAME)
file(WRITE ${SCRATCH}/pelkin_answers.txt "${example_name}\n")
file(WRITE ${SCRATCH}/morvast_answers.txt "1\n200\n")

execute_process(COMMAND ${PELKIN}
                WORKING_DIRECTORY ${SCRATCH}
                INPUT_FILE ${SCRATCH}/pelkin_answers.txt
                OUTPUT_VARIABLE pelkin_out ERROR_VARIABLE pelkin_out
                RESULT_VARIABLE pelkin_status)
if(NOT pelkin_status EQUAL 0)
    message(FATAL_ERROR "Pelkin failed (${pelkin_status}) on ${example_name}:\n${pelkin_out}")
endif()

execute_process(COMMAND ${MORVAST} pelkin.out drift_example.report
                WORKING_DIRECTORY ${SCRATCH}
                INPUT_FILE ${SCRATCH}/morvast_answers.txt
                OUTPUT_VARIABLE morvast_out ERROR_VARIABLE morvast_out
                RESULT_VARIABLE morvast_status)
if(NOT morvast_status EQUAL 0)
    message(FATAL_ERROR "Morvast failed (${morvast_status}) on pelkin.out:\n${morvast_out}")
endif()

message("Pelkin converted ${example_name} to ${SCRATCH}/pelkin.out; Morvast wrote "
        "${SCRATCH}/drift_example.report:\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${SCRATCH}/drift_example.report)
