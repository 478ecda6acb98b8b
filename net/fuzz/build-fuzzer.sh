#!/usr/bin/env bash
# Builds the datagram parser's libFuzzer target with clang and runs it.
#   net/fuzz/build-fuzzer.sh [libFuzzer options...]   (default: -runs=10000000)
# Needs clang++ and libFuzzer's runtime (libclang-rt-14-dev on Debian 12).
# The build goes to build/fuzz; CI does not run it.
set -euo pipefail
cd "$(dirname "$0")/../.."

out=build/fuzz
mkdir -p "$out/corpus"
CXX=${CXX:-clang++}
flags=(-std=c++20 -O1 -g -Wall -Wextra -Inet -Inet/fuzz)

"$CXX" "${flags[@]}" net/fuzz/SeedWriter.cpp -o "$out/seed-writer"
"$out/seed-writer" "$out/corpus"
"$CXX" "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  net/Datagram.cpp net/fuzz/DatagramFuzzer.cpp -o "$out/datagram-fuzzer"

if [ $# -eq 0 ]; then set -- -runs=10000000; fi
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
  "$out/datagram-fuzzer" -max_len=4200 "$@" "$out/corpus"
