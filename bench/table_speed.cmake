# Prints the speed table as Markdown. Each benchmark is run three times and the run with the
# median time is kept, so that one slow start on a busy machine does not make the figure.
# Expects PELKIN_BENCH, PELKIN, MORVAST_BENCH, MORVAST, MORVAST_SNP_BENCH and READ_FLOOR.
set(runs 3)

# Runs `program` with `args` three times; sets `result` to the output line of the median run,
# ranked by the seconds or milliseconds matched by `time_regex` (fixed decimals, so a natural
# sort ranks them as numbers).
function(median_run result time_regex program)
    set(keyed "")
    foreach(run RANGE 1 ${runs})
        execute_process(COMMAND ${program} ${ARGN}
                        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT status EQUAL 0 OR NOT out MATCHES "${time_regex}")
            message(FATAL_ERROR "${program} ${ARGN} failed (${status}):\n${out}${err}")
        endif()
        string(LENGTH "${CMAKE_MATCH_1}" width)
        string(REPEAT "0" "12" pad)
        math(EXPR missing "12 - ${width}")
        string(SUBSTRING "${pad}" 0 ${missing} pad)
        list(APPEND keyed "${pad}${CMAKE_MATCH_1}|${out}")
    endforeach()
    list(SORT keyed COMPARE NATURAL)
    math(EXPR middle "${runs} / 2")
    list(GET keyed ${middle} chosen)
    string(REGEX REPLACE "^[^|]*\\|" "" chosen "${chosen}")
    set(${result} "${chosen}" PARENT_SCOPE)
endfunction()

cmake_host_system_information(RESULT cpu QUERY PROCESSOR_DESCRIPTION)
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
cmake_host_system_information(RESULT memory QUERY TOTAL_PHYSICAL_MEMORY)
cmake_host_system_information(RESULT os QUERY OS_NAME)
cmake_host_system_information(RESULT release QUERY OS_RELEASE)
math(EXPR memory_gib "(${memory} + 512) / 1024")

set(table "| Program | Data set | Size (bytes) | Wall time (ms) | Floor (ms) | Ratio to floor |\n")
string(APPEND table "|---|---|---:|---:|---:|---:|\n")
# Pelkin times its runs in turn with the floor and keeps the median of three itself.
set(pelkin_regex "missing \\(([0-9]+) bytes\\): +([0-9.]+) ms +floor, one read: +([0-9.]+) ms +ratio +([0-9.]+) +peak +([0-9]+) KiB of +([0-9]+) KiB allowed")
foreach(shape "10;50;200;12;0" "30;50;200;12;0" "100;50;200;12;0" "100000;10;50;2;2"
              "1000000;2;10;2;2")
    execute_process(COMMAND ${PELKIN_BENCH} ${PELKIN} ${READ_FLOOR} ${shape}
                    OUTPUT_VARIABLE line ERROR_VARIABLE err RESULT_VARIABLE status
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0 OR NOT line MATCHES "${pelkin_regex}")
        message(FATAL_ERROR "pelkin_bench ${shape} failed (${status}):\n${line}${err}")
    endif()
    math(EXPR peak_mib "(${CMAKE_MATCH_5} + 512) / 1024")
    math(EXPR allowed_mib "${CMAKE_MATCH_6} / 1024")
    list(GET shape 0 loci)
    list(GET shape 1 samples)
    list(GET shape 2 individuals)
    list(GET shape 3 alleles)
    list(GET shape 4 missing)
    string(APPEND table "| Pelkin | ${loci} loci of ${alleles} alleles, ${samples} samples of "
                        "${individuals} individuals, ${missing}% missing; peak ${peak_mib} MiB "
                        "of ${allowed_mib} MiB allowed | ${CMAKE_MATCH_1} | ${CMAKE_MATCH_2} | "
                        "${CMAKE_MATCH_3} | ${CMAKE_MATCH_4} |\n")
endforeach()

# Morvast at 100 alleles a locus with 25, 50 and 100 loci, and at 100 loci with 25 and 50
# alleles, so that the table shows how its cost grows with each.
set(morvast_regex "Morvast ([0-9]+) samples x ([0-9]+) loci x ([0-9]+) alleles \\(([0-9]+) bytes\\): +([0-9.]+) ms +bare process: +([0-9.]+) ms +difference: +([0-9.]+) ms")
foreach(size "25;100" "50;100" "100;100" "100;25" "100;50")
    median_run(line "\\): +([0-9.]+) ms" ${MORVAST_BENCH} ${MORVAST} ${size})
    if(NOT line MATCHES "${morvast_regex}")
        message(FATAL_ERROR "morvast_bench printed an unexpected line:\n${line}")
    endif()
    string(APPEND table "| Morvast | ${CMAKE_MATCH_1} samples, ${CMAKE_MATCH_2} loci of "
                        "${CMAKE_MATCH_3} alleles | ${CMAKE_MATCH_4} | "
                        "${CMAKE_MATCH_5} | ${CMAKE_MATCH_6} | +${CMAKE_MATCH_7} ms |\n")
endforeach()

# Morvast at the size of SNP data, 10 samples of 50 individuals at 100,000 biallelic loci with and
# without --table and 2 samples at 1,000,000 loci, against read_floor over the frequency file and
# the report; morvast_snp_bench keeps the median of three runs of each itself.
set(snp_table "| Data set | Size (bytes) | Report (bytes) | Wall time (ms) | Floor (ms) | Ratio to floor | Peak memory (MiB) | Bound (MiB) |\n")
string(APPEND snp_table "|---|---:|---:|---:|---:|---:|---:|---:|\n")
set(snp_regex "Morvast (.+) \\(([0-9]+) bytes, report ([0-9]+) bytes\\): +([0-9.]+) ms +read_floor: +([0-9.]+) ms +ratio +([0-9.]+) +peak memory +([0-9.]+) MiB of +([0-9.]+) MiB")
foreach(size "100000;10" "100000;10;--table" "1000000;2")
    execute_process(COMMAND ${MORVAST_SNP_BENCH} ${MORVAST} ${READ_FLOOR} ${size}
                    OUTPUT_VARIABLE line RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0 OR NOT line MATCHES "${snp_regex}")
        message(FATAL_ERROR "morvast_snp_bench ${size} failed (${status}):\n${line}")
    endif()
    string(APPEND snp_table "| ${CMAKE_MATCH_1} | ${CMAKE_MATCH_2} | ${CMAKE_MATCH_3} | "
                            "${CMAKE_MATCH_4} | ${CMAKE_MATCH_5} | ${CMAKE_MATCH_6} | "
                            "${CMAKE_MATCH_7} | ${CMAKE_MATCH_8} |\n")
endforeach()

message("\nSpeed, median of ${runs} runs; floor for Pelkin: the same file read once with read, "
        "every byte touched, by a process linked and started as Pelkin is (read_floor); for "
        "Morvast a process "
        "that does nothing, linked and started as Morvast is, and in the last column the time "
        "over it\n"
        "Machine: ${cpu}, ${cores} logical cores, ${memory_gib} GiB, ${os} ${release}\n\n"
        "${table}\n"
        "Morvast at the size of SNP data, median of three runs in turn with read_floor (one read of "
        "the frequency file and of the report Morvast writes, touching every byte); peak memory "
        "is Morvast's largest resident set, the bound 64 MiB and twice the frequency file\n\n"
        "${snp_table}")
