# Sourced by ./run, ./test and ./bench after wine-env.sh: builds the 32-bit program into dist/ and,
# where this host runs only 64-bit Wine, the same sources for x86_64 as well. With "tests", the
# build that runs here also gets the test programs and the benchmark.
#
# Sets RUN_BUILD: the build folder whose programs run under Wine on this host; RUN_EXE: its Tessellon.exe.
tessellon_build_all() {
  local with="${1:-}"
  if [ "$TESSELLON_ARCH" = i686 ]; then
    tools/build-windows.sh i686 build/i686 "$PWD/dist" "$with"
    RUN_BUILD=build/i686 RUN_EXE=dist/Tessellon.exe
  else
    tools/build-windows.sh i686 build/i686 "$PWD/dist"
    tools/build-windows.sh x86_64 build/x86_64 "" "$with"
    RUN_BUILD=build/x86_64 RUN_EXE=build/x86_64/Tessellon.exe
  fi
}
