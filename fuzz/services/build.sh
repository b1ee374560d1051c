#!/usr/bin/env bash
# Builds the fuzz targets of the metadata services with clang (libFuzzer, AddressSanitizer,
# UBSan) into build-fuzz/ and writes seed files. Not part of the main build or of CI.
# Run, for example:
#   fuzz/services/build.sh && build-fuzz/freedb_answers_fuzz -max_total_time=300 build-fuzz/seeds-freedb
#   build-fuzz/sfxdb_xml_fuzz -max_total_time=300 build-fuzz/seeds-sfxdb
#   build-fuzz/update_tokens_fuzz -max_total_time=300 build-fuzz/seeds-update
# An argument names another output folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out="${1:-$root/build-fuzz}"
mkdir -p "$out/seeds-freedb" "$out/seeds-sfxdb" "$out/seeds-update"
services="$root/src/services"
build() {
    local name=$1
    shift
    # shellcheck disable=SC2046
    clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
        -I"$root/src" $(pkg-config --cflags Qt6Core pugixml) \
        "$@" $(pkg-config --libs Qt6Core pugixml) -o "$out/$name"
}
build freedb_answers_fuzz "$root/fuzz/services/FreeDbAnswersFuzz.cpp" \
    "$services/TFreeDbAnswers.cpp" "$services/TCommaText.cpp" "$services/TextLines.cpp"
build sfxdb_xml_fuzz "$root/fuzz/services/SfxDbXmlFuzz.cpp" \
    "$services/TSfxDbDocument.cpp" "$services/TSfxDbTree.cpp" "$services/TextLines.cpp"
build update_tokens_fuzz "$root/fuzz/services/UpdateTokensFuzz.cpp" \
    "$services/TUpdateCheck.cpp" "$services/TCommaText.cpp"

seed() { printf '%b' "$3" > "$out/$1/$2"; }
seed seeds-freedb single '200 rock 7a0b3c0d Some Artist / Some Album\r\n'
seed seeds-freedb several '210 Found exact matches\r\nrock 7a0b3c0d A / B\r\nmisc 7a0b3c0e C, D / E\r\n.\r\n'
seed seeds-freedb entry '210 rock 7a0b3c0d entry\r\n# xmcd\r\nDISCID=7a0b3c0d\r\nDTITLE=A / B\r\nDTITLE=C\r\nDYEAR=1999\r\nDGENRE=Rock\r\nTTITLE0=a\\\\nb\r\nTTITLE1=c\r\nTTITLE1=d\r\nEXTD=\r\n.\r\n'
seed seeds-sfxdb database '<SFXdb>\n<Record><Prod>P</Prod><Series>S</Series><CD>C</CD><ID>1</ID><Lang>German</Lang></Record>\n<Record><Series>S</Series><CD>D</CD><ID>x</ID><Lang/></Record>\n</SFXdb>\n'
seed seeds-sfxdb tracks '<Tracks><Producer>P</Producer><Series>S</Series><CD>C</CD><TrackNames>a\nb\r\nc</TrackNames></Tracks>'
seed seeds-sfxdb revision '<Version><Rev>12</Rev></Version>'
seed seeds-update auto '3,2.2,Auto,x,-silent,@,New,features'
seed seeds-update blanks '3 "2.2 beta" Manual x -a -b @ "Fixes, many" more\r\n'
seed seeds-update empty ',,,'
