#!/usr/bin/env python3
"""Writes the damaged WAV files the tag writer must refuse unchanged, and the odd ones it must
take. Run it in this folder; the files are committed, so the tests need no Python."""
import math
import struct


def u32(value):
    return struct.pack('<I', value)


def chunk(chunk_id, data, declared=None):
    size = len(data) if declared is None else declared
    pad = b'\0' if len(data) % 2 else b''
    return chunk_id + u32(size) + data + pad


FMT = chunk(b'fmt ', struct.pack('<HHIIHH', 1, 2, 44100, 176400, 4, 16))


def sine(frames):
    samples = []
    for i in range(frames):
        value = int(12000 * math.sin(2 * math.pi * 440 * i / 44100))
        samples.append(struct.pack('<hh', value, value))
    return b''.join(samples)


def wave(body, riff_size=None):
    size = len(body) + 4 if riff_size is None else riff_size
    return b'RIFF' + u32(size) + b'WAVE' + body


FIXTURES = {
    # A rip that never came back to write its sizes: data size 0, the audio after it.
    'unfinished-header.wav': wave(FMT + chunk(b'data', b'') + sine(2048), riff_size=0),
    # The same with silence; the test makes it 64 MB long with a hole.
    'unfinished-header-silence.wav': wave(FMT + chunk(b'data', b'') + bytes(4096), riff_size=0),
    # Text after a well-formed data chunk: "Lore" reads as an id, "m ip" as a huge size.
    'garbage-after-data.wav': wave(FMT + chunk(b'data', sine(250)) +
                                   b'Lorem ipsum dolor sit amet, ' * 20),
    # Twelve thousand empty "JUNK" chunks after the audio.
    'zero-size-chunks.wav': wave(FMT + chunk(b'data', sine(25)) + chunk(b'JUNK', b'') * 12000),
    # A size that brings a walker with 32-bit positions back to the same chunk for ever.
    'size-wraps.wav': wave(FMT + b'LIST' + u32(0xFFFFFFF8) + chunk(b'data', sine(100))),
    # The "unknown length" size of streaming writers.
    'size-ffffffff.wav': wave(FMT + b'data' + u32(0xFFFFFFFF) + sine(1000), riff_size=0xFFFFFFFF),
    # A placeholder size of 2 GiB in a file of a few kilobytes.
    'data-placeholder-2gb.wav': wave(FMT + b'data' + u32(0x7FFFFFFF) + sine(1000)),
    # A chunk whose id is four NUL bytes, before the audio.
    'nul-chunk-id.wav': wave(FMT + chunk(b'\0\0\0\0', bytes(16)) + chunk(b'data', sine(100))),
    # Not damaged: audio ending at byte 4044, then zero bytes up to a 4096-byte block, as
    # writers that round files up to a block size leave them (the RIFF size covers them).
    'tags-zero-padding.wav': wave(FMT + chunk(b'data', sine(1000)) + bytes(52)),
}

if __name__ == '__main__':
    for name, content in FIXTURES.items():
        with open(name, 'wb') as file:
            file.write(content)
