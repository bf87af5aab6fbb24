# Runs a benchmark program as one that only lists or describes its benchmarks, then as a real
# run on a tiny catalogue, and checks where the generated catalogue went.
#   cmake -DPROGRAM=<the one run> -DLISTED=<programs listed, separated by |>
#         -DBUILD_DATA=<the build's bench/data> -DWORK=<scratch folder> -P this
if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "Skipped: ${PROGRAM} is not built")
endif()
file(REMOVE_RECURSE "${WORK}")
set(data "${WORK}/data")
set(ENV{TALLOWMERE_BENCH_DATA} "${data}")
set(ENV{TALLOWMERE_BENCH_MOVIES} 40)
set(ENV{QT_QPA_PLATFORM} offscreen)
# An older build may have left catalogues there: only a change counts.
file(GLOB_RECURSE build_data_before "${BUILD_DATA}/*")
macro(check_build_data_unchanged what)
  file(GLOB_RECURSE build_data_now "${BUILD_DATA}/*")
  if(NOT "${build_data_now}" STREQUAL "${build_data_before}")
    message(FATAL_ERROR "${what} wrote into the build folder")
  endif()
endmacro()

# Every benchmark program that is built, listed and described.
string(REPLACE "|" ";" listed "${LISTED}")
foreach(program IN LISTS listed)
  if(NOT EXISTS "${program}")
    continue()
  endif()
  foreach(flag --help --benchmark_list_tests)
    execute_process(COMMAND "${program}" ${flag} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET
                    TIMEOUT 60)
    if(EXISTS "${data}")
      message(FATAL_ERROR "'${program} ${flag}' wrote a catalogue")
    endif()
    check_build_data_unchanged("'${program} ${flag}'")
  endforeach()
endforeach()

execute_process(COMMAND "${PROGRAM}" --benchmark_filter=BM_ActorSearch
                        --benchmark_min_time=0.001
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the run failed: ${errors}")
endif()
if(NOT EXISTS "${data}/catalogue-40.db")
  message(FATAL_ERROR "the run made no catalogue in TALLOWMERE_BENCH_DATA")
endif()
check_build_data_unchanged("the run")
file(GLOB leftovers "${data}/*.new")
if(leftovers)
  message(FATAL_ERROR "a half-made catalogue was left: ${leftovers}")
endif()
file(REMOVE_RECURSE "${WORK}")
