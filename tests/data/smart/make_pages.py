#!/usr/bin/env python3
"""Rebuilds the drive pages added here from the public SMART reports named in README.md.

Encoding as for the other pages of this folder: ATA strings with the first character in the high
byte of each word, SMART READ DATA entries of 12 bytes from byte 2, checksums in the last byte
(SMART) and word 255 (IDENTIFY), NVMe log page 02h counters little-endian.
Run from this folder: python3 make_pages.py
"""
import struct

FLAG_BITS = {"P": 0x01, "O": 0x02, "S": 0x04, "R": 0x08, "C": 0x10, "K": 0x20}


def flags(text):
    return sum(FLAG_BITS[ch] for ch in text if ch != "-")


def ata_string(words, first, count, text, right=False):
    width = count * 2
    text = text.rjust(width) if right else text.ljust(width)
    for i in range(count):
        words[first + i] = (ord(text[2 * i]) << 8) | ord(text[2 * i + 1])


def identify(model, serial, firmware, sectors, rotation, form_factor, sct, physical_shift):
    w = [0] * 256
    w[0] = 0x0040
    ata_string(w, 10, 10, serial)
    ata_string(w, 23, 4, firmware)
    ata_string(w, 27, 20, model)
    w[49] = 0x0300
    small = min(sectors, 0x0FFFFFFF)
    w[60], w[61] = small & 0xFFFF, small >> 16
    w[82] = w[85] = 0x0001
    w[83] = w[86] = 0x0400
    w[84] = w[87] = 0x4000
    for i in range(4):
        w[100 + i] = (sectors >> (16 * i)) & 0xFFFF
    w[106] = 0x4000 | (0x2000 | physical_shift if physical_shift else 0)
    w[168] = form_factor
    w[206] = sct
    w[217] = rotation
    w[255] = 0x00A5
    data = bytearray(struct.pack("<256H", *w))
    data[511] = (-sum(data[:511])) & 0xFF
    return bytes(data)


def smart(revision, offline_status, offline_time, offline_cap, smart_cap, errlog_cap, short, extended,
          conveyance, attributes):
    page = bytearray(512)
    struct.pack_into("<H", page, 0, revision)
    for n, (ident, flag_text, value, worst, raw) in enumerate(attributes):
        at = 2 + 12 * n
        struct.pack_into("<BHBB", page, at, ident, flags(flag_text), value, worst)
        page[at + 5:at + 11] = raw.to_bytes(6, "little")
    page[362] = offline_status
    struct.pack_into("<H", page, 364, offline_time)
    page[367] = offline_cap
    struct.pack_into("<H", page, 368, smart_cap)
    page[370] = errlog_cap
    page[372] = short
    if extended > 254:
        page[373] = 0xFF
        struct.pack_into("<H", page, 375, extended)
    else:
        page[373] = extended
    page[374] = conveyance
    page[511] = (-sum(page[:511])) & 0xFF
    return bytes(page)


def nvme(temp_c, spare, threshold, used, counters, sensors_c):
    page = bytearray(512)
    struct.pack_into("<HBBB", page, 1, temp_c + 273, spare, threshold, used)
    offsets = {"read": 32, "written": 48, "host_reads": 64, "host_writes": 80, "busy": 96, "cycles": 112,
               "hours": 128, "unsafe": 144, "media_errors": 160, "log_entries": 176}
    for name, value in counters.items():
        page[offsets[name]:offsets[name] + 16] = value.to_bytes(16, "little")
    for n, celsius in enumerate(sensors_c):
        struct.pack_into("<H", page, 200 + 2 * n, celsius + 273)
    return bytes(page)


def write(name, data):
    assert len(data) == 512
    with open(name, "wb") as out:
        out.write(data)


# Laptop HDD with reallocated sectors whose report still says PASSED.
write("APPLE_HTS541010A9E632_identify.bin",
      identify("APPLE HDD HTS541010A9E632", "LHW0757FF5562FB", "JA0AB5N0", 1953525168, 5400, 3, 0x003D, 3))
write("APPLE_HTS541010A9E632_smart.bin", smart(16, 0x84, 45, 0x5B, 0x0003, 0x01, 2, 256, 0, [
    (1, "PO-R--", 100, 100, 0),
    (2, "P-S---", 198, 198, 135),
    (3, "POS---", 145, 145, 2),
    (4, "-O--C-", 79, 79, 34468),
    (5, "PO--CK", 100, 100, 31),
    (7, "PO-R--", 100, 100, 0),
    (8, "P-S---", 117, 117, 33),
    (9, "-O--C-", 26, 26, 32811),
    (10, "PO--C-", 100, 100, 0),
    (12, "-O--CK", 79, 79, 33972),
    (160, "-O--CK", 100, 100, 0),
    (191, "-O-R--", 100, 100, 0),
    (192, "-O--CK", 98, 98, 51539608115),
    (193, "-O--C-", 84, 84, 169278),
    (194, "-O----", 133, 133, 0x00360011002D),  # 45 (Min/Max 17/54)
    (195, "-O-R--", 100, 100, 0),
    (196, "-O--CK", 100, 100, 32),
    (197, "-O---K", 100, 100, 0),
    (198, "---R--", 100, 100, 0),
    (199, "-O-R--", 200, 200, 0),
    (223, "-O-R--", 100, 100, 0),
    (254, "-O--CK", 100, 100, 24),
]))

# Laptop NVMe drive with 1 % of its rated life used.
write("SAMSUNG_MZVLB256HAHQ_nvme.bin", nvme(35, 100, 10, 1, {
    "read": 13682149, "written": 11365388, "host_reads": 195033050, "host_writes": 151234740, "busy": 664,
    "cycles": 1159, "hours": 415, "unsafe": 47, "media_errors": 0, "log_entries": 1088}, [35, 40]))
