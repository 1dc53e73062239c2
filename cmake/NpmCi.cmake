# Installs the npm packages pinned by a folder's package.json and package-lock.json with
# `npm ci`, into a folder of the build tree (the source tree stays free of node_modules).
# Defines the target, which is up to date while the lockfile is unchanged. Needs Node.js' npm.
find_program(NPM_EXECUTABLE npm REQUIRED)

function(npm_ci target source_dir build_dir)
  set(stamp "${build_dir}/node_modules/.package-lock.json")
  file(MAKE_DIRECTORY "${build_dir}")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -E copy "${source_dir}/package.json" "${source_dir}/package-lock.json"
            "${source_dir}/.npmrc" "${build_dir}"
    COMMAND ${NPM_EXECUTABLE} ci --no-audit --no-fund --loglevel=error
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    WORKING_DIRECTORY "${build_dir}"
    DEPENDS "${source_dir}/package.json" "${source_dir}/package-lock.json" "${source_dir}/.npmrc"
    COMMENT "Installing the npm packages of ${source_dir}")
  add_custom_target(${target} ALL DEPENDS "${stamp}")
endfunction()
