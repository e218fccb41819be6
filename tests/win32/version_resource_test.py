#!/usr/bin/env python3
"""The version a shipped program's file properties show: the fixed and the
text fields of its VERSIONINFO resource, read from the file as Windows reads
them, against the project's version.

    version_resource_test.py VERSION PROGRAM.exe...
"""
import os
import struct
import sys

RT_VERSION = 16


def resource_data(image, type_id):
    """The bytes of the first resource of type `type_id` in a PE image."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    directories = optional + (96 if struct.unpack_from("<H", image, optional)[0] == 0x10B else 112)
    base = struct.unpack_from("<I", image, directories + 2 * 8)[0]
    if base == 0:
        return None  # no resources at all

    def offset(rva):
        for i in range(sections):
            size, address, _, raw = struct.unpack_from("<4I", image, optional + optional_size + 40 * i + 8)
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def entries(directory):
        named, numbered = struct.unpack_from("<12xHH", image, offset(base + directory))
        for i in range(named + numbered):
            yield struct.unpack_from("<II", image, offset(base + directory) + 16 + 8 * i)

    directory = 0
    for level in range(3):  # type, name, language
        found = [target for name, target in entries(directory) if level > 0 or name == type_id]
        if not found:
            return None
        directory = found[0] & 0x7FFFFFFF
    rva, size = struct.unpack_from("<II", image, offset(base + directory))
    return image[offset(rva):offset(rva) + size]


def nodes(data, start, end):
    """The VS_VERSIONINFO-shaped nodes between start and end: (key, value bytes, is text, children's span)."""
    while start + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<3H", data, start)
        key_end = data.index(b"\0\0", start + 6)
        while (key_end - start) % 2:
            key_end = data.index(b"\0\0", key_end + 1)
        key = data[start + 6:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        children = (value + value_size + 3) & ~3
        yield key, data[value:value + value_size], is_text, (children, start + length)
        start = (start + length + 3) & ~3


def version_info(data):
    (key, fixed, _, (start, end)), = nodes(data, 0, len(data))
    assert key == "VS_VERSION_INFO", key
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    assert signature == 0xFEEF04BD, hex(signature)
    numbers = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    texts = {}
    for key, _, _, (table_start, table_end) in nodes(data, start, end):
        if key == "StringFileInfo":
            for _, _, _, (text_start, text_end) in nodes(data, table_start, table_end):
                for name, value, _, _ in nodes(data, text_start, text_end):
                    texts[name] = value.decode("utf-16-le").rstrip("\0")
    return numbers(file_ms, file_ls), numbers(product_ms, product_ls), texts


def main(version, programs):
    failures = []
    for program in programs:
        name = os.path.basename(program)
        with open(program, "rb") as file:
            data = resource_data(file.read(), RT_VERSION)
        if data is None:
            failures.append(f"{name}: no version resource")
            continue
        file_version, product_version, texts = version_info(data)
        expected = {
            "FileVersion": version,
            "ProductVersion": version,
            "ProductName": "Pavane",
            "OriginalFilename": name,
            "LegalCopyright": "Copyright \u00a9 the Pavane project",
        }
        for field, want in expected.items():
            if texts.get(field) != want:
                failures.append(f"{name}: {field} is {texts.get(field)!r}, not {want!r}")
        if not texts.get("FileDescription"):
            failures.append(f"{name}: no FileDescription")
        for field, numbers in (("file", file_version), ("product", product_version)):
            if numbers != version + ".0":
                failures.append(f"{name}: the fixed {field} version is {numbers}, not {version}.0")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
