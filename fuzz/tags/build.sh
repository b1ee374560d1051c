#!/usr/bin/env bash
# Builds the chunk walker's fuzz target with clang (libFuzzer, AddressSanitizer, UBSan) into
# build-fuzz/ and writes a few seed files. Not part of the main build or of CI.
# Run:  fuzz/tags/build.sh && build-fuzz/wave_chunk_fuzz -max_total_time=600 build-fuzz/seeds
# An argument names another output folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out="${1:-$root/build-fuzz}"
mkdir -p "$out/seeds"
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -I"$root/src" $(pkg-config --cflags Qt6Core) \
    "$root/fuzz/tags/WaveChunkFuzz.cpp" "$root/src/tags/WaveChunks.cpp" \
    "$root/src/tags/TWaveFile.cpp" "$root/src/app/DiskPath.cpp" "$root/src/app/UserMessages.cpp" \
    "$root/src/app/GeneralErrorDisplay.cpp" \
    $(pkg-config --libs Qt6Core) -o "$out/wave_chunk_fuzz"

# Seeds: byte 0 is the payload length, then a file. A 44-byte WAV, one with an iXML and a
# short bext, and one whose last chunk overruns the file.
seed() { printf "$2" > "$out/seeds/$1"; }
fmt='fmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0'
seed minimal '\x05RIFF\x24\0\0\0WAVE'"$fmt"'data\0\0\0\0'
seed tagged '\x04RIFF\x34\0\0\0WAVE'"$fmt"'iXML\x03\0\0\0abc\0bext\x02\0\0\0xydata\0\0\0\0'
seed overrun '\x00RIFF\x10\0\0\0WAVEdata\x00\x01\0\0abcd'
# The damaged files of the test data, each with a payload length of 3.
for file in "$root"/tests/data/wav/*.wav; do
    { printf '\x03'; cat "$file"; } > "$out/seeds/$(basename "$file")"
done
