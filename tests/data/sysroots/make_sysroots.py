#!/usr/bin/env python3
"""Writes the recorded system trees used by the inventory tests.

The firmware texts and memory tables come from ../smbios (real machines, see its README). The
processor, battery and operating-system files follow what the kernel shows on such machines.
vm-no-dmi was copied from a virtual machine once and is not rewritten here.

    python3 make_sysroots.py        # rewrites latitude-7490, zenbook-ux433fa, gigabyte-b360m-d2v, broken
"""
import json
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SMBIOS = os.path.join(HERE, "..", "smbios")

KABY_LAKE_FLAGS = (
    "fpu vme de pse tsc msr pae mce cx8 apic sep mtrr pge mca cmov pat pse36 clflush dts acpi mmx fxsr sse "
    "sse2 ss ht tm pbe syscall nx pdpe1gb rdtscp lm constant_tsc art arch_perfmon pebs bts rep_good nopl "
    "xtopology nonstop_tsc cpuid aperfmperf pni pclmulqdq dtes64 monitor ds_cpl vmx smx est tm2 ssse3 sdbg "
    "fma cx16 xtpr pdcm pcid sse4_1 sse4_2 x2apic movbe popcnt tsc_deadline_timer aes xsave avx f16c rdrand "
    "lahf_lm abm 3dnowprefetch cpuid_fault epb invpcid_single pti ssbd ibrs ibpb stibp tpr_shadow vnmi "
    "flexpriority ept vpid ept_ad fsgsbase tsc_adjust bmi1 avx2 smep bmi2 erms invpcid mpx rdseed adx smap "
    "clflushopt intel_pt xsaveopt xsavec xgetbv1 xsaves dtherm ida arat pln pts hwp hwp_notify "
    "hwp_act_window hwp_epp md_clear flush_l1d arch_capabilities")

MACHINES = {
    "latitude-7490": {
        "id": "D01", "table": "latitude-7490.dmi",
        "cpu": {"model": 142, "stepping": 10, "microcode": "0xf4", "cores": 4, "threads": 8,
                "l2": "256K", "l3": "6144K", "base": 1700000, "max": 3600000, "mhz": "1900.012"},
        "memTotalKb": 16119672,
        "os": ('PRETTY_NAME="Ubuntu 22.04.4 LTS"\nNAME="Ubuntu"\nVERSION_ID="22.04"\n'
               'VERSION="22.04.4 LTS (Jammy Jellyfish)"\nID=ubuntu\nID_LIKE=debian\n'),
        "kernel": "6.5.0-27-generic",
        "efi": True, "secureBoot": 1, "tpmMajor": 2, "pmProfile": 2,
        "supplies": {
            "AC": {"type": "Mains", "online": 0},
            "BAT0": {"type": "Battery", "present": 1, "status": "Discharging", "capacity": 81,
                     "energy_full_design": 60000000, "energy_full": 52000000, "energy_now": 42120000,
                     "power_now": 7200000, "technology": "Li-poly", "model_name": "DELL GJKNX84"},
        },
    },
    "zenbook-ux433fa": {
        "id": "D03", "table": "zenbook-ux433fa.dmi",
        "cpu": {"model": 142, "stepping": 11, "microcode": "0xf8", "cores": 4, "threads": 8,
                "l2": "256K", "l3": "6144K", "base": 1600000, "max": 3900000, "mhz": "1800.000"},
        "memTotalKb": 7977592,
        "os": ('NAME="Fedora Linux"\nVERSION="39 (Workstation Edition)"\nID=fedora\nVERSION_ID=39\n'
               'PRETTY_NAME="Fedora Linux 39 (Workstation Edition)"\n'),
        "kernel": "6.8.9-200.fc39.x86_64",
        "efi": True, "secureBoot": 0, "tpmMajor": 2, "pmProfile": 2,
        "supplies": {
            "ADP1": {"type": "Mains", "online": 1},
            "BAT0": {"type": "Battery", "present": 1, "status": "Charging", "capacity": 57,
                     "charge_full_design": 4335000, "charge_full": 4100000, "charge_now": 2337000,
                     "current_now": 1200000, "voltage_now": 11900000, "technology": "Li-ion"},
        },
    },
    "gigabyte-b360m-d2v": {
        "id": "D06", "table": "gigabyte-b360m-d2v.dmi",
        "cpu": {"model": 158, "stepping": 10, "microcode": "0xf4", "cores": 6, "threads": 6,
                "l2": "256K", "l3": "9216K", "base": 3000000, "max": 4100000, "mhz": "3000.000"},
        "memTotalKb": 32775364,
        "os": ('NAME="Linux Mint"\nVERSION="21.3 (Virginia)"\nID=linuxmint\nID_LIKE="ubuntu debian"\n'
               'PRETTY_NAME="Linux Mint 21.3"\nVERSION_ID="21.3"\n'),
        "kernel": "5.15.0-105-generic",
        "efi": False, "pmProfile": 1,
        "supplies": {
            # A wireless mouse: a battery, but not the machine's.
            "hidpp_battery_0": {"type": "Battery", "scope": "Device", "present": 1, "status": "Discharging",
                                "capacity_level": "Normal", "online": 1, "model_name": "Wireless Mouse M185"},
        },
    },
}


def write(root, path, content):
    full = os.path.join(root, path.lstrip("/"))
    os.makedirs(os.path.dirname(full), exist_ok=True)
    mode = "wb" if isinstance(content, bytes) else "w"
    with open(full, mode) as f:
        f.write(content)


def type4(processor):
    """An SMBIOS 2.6 processor structure with the fields the dump recorded; the rest unknown."""
    strings = [processor["Socket Designation"], processor["Manufacturer"], processor["Version"]]
    body = bytearray(0x2A)
    struct.pack_into("<BBH", body, 0, 4, 0x2A, 0x0030)
    body[0x04] = 1  # socket designation
    body[0x05] = 3  # central processor
    body[0x06] = 2  # family unknown
    body[0x07] = 2  # manufacturer
    body[0x10] = 3  # version
    body[0x18] = 0x41 if processor["Status"] == "Populated, Enabled" else 0
    body[0x19] = 2  # upgrade: not in the dump, so unknown
    struct.pack_into("<HHH", body, 0x1A, 0xFFFF, 0xFFFF, 0xFFFF)
    body[0x23] = int(processor["Core Count"])
    body[0x24] = int(processor["Core Count"])
    body[0x25] = int(processor["Thread Count"])
    struct.pack_into("<H", body, 0x28, 2)
    return bytes(body) + b"".join(s.encode() + b"\0" for s in strings) + b"\0"


def cpuinfo(processor, cpu):
    blocks = []
    for n in range(cpu["threads"]):
        core = n % cpu["cores"]
        blocks.append(
            f"processor\t: {n}\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: {cpu['model']}\n"
            f"model name\t: {processor['Version'].strip()}\nstepping\t: {cpu['stepping']}\n"
            f"microcode\t: {cpu['microcode']}\ncpu MHz\t\t: {cpu['mhz']}\ncache size\t: {cpu['l3'][:-1]} KB\n"
            f"physical id\t: 0\nsiblings\t: {cpu['threads']}\ncore id\t\t: {core}\ncpu cores\t: {cpu['cores']}\n"
            f"apicid\t\t: {core * 2 + n // cpu['cores']}\ninitial apicid\t: {core * 2 + n // cpu['cores']}\n"
            f"fpu\t\t: yes\nfpu_exception\t: yes\ncpuid level\t: 22\nwp\t\t: yes\nflags\t\t: {KABY_LAKE_FLAGS}\n"
            f"bugs\t\t: cpu_meltdown spectre_v1 spectre_v2 spec_store_bypass l1tf mds swapgs itlb_multihit\n"
            f"clflush size\t: 64\ncache_alignment\t: 64\naddress sizes\t: 39 bits physical, 48 bits virtual\n"
            f"power management:\n\n")
    return "".join(blocks)


def cpu_sysfs(root, cpu):
    threads, cores = cpu["threads"], cpu["cores"]
    write(root, "/sys/devices/system/cpu/online", f"0-{threads - 1}\n")
    write(root, "/sys/devices/system/cpu/possible", f"0-{threads - 1}\n")
    for n in range(threads):
        core = n % cores
        siblings = sorted({m for m in range(threads) if m % cores == core})
        base = f"/sys/devices/system/cpu/cpu{n}"
        write(root, f"{base}/topology/physical_package_id", "0\n")
        write(root, f"{base}/topology/die_id", "0\n")
        write(root, f"{base}/topology/core_id", f"{core}\n")
        caches = [(1, "Data", "32K", siblings), (1, "Instruction", "32K", siblings),
                  (2, "Unified", cpu["l2"], siblings), (3, "Unified", cpu["l3"], list(range(threads)))]
        for index, (level, kind, size, shared) in enumerate(caches):
            d = f"{base}/cache/index{index}"
            write(root, f"{d}/level", f"{level}\n")
            write(root, f"{d}/type", f"{kind}\n")
            write(root, f"{d}/size", f"{size}\n")
            write(root, f"{d}/shared_cpu_list", ",".join(str(s) for s in shared) + "\n")
        write(root, f"{base}/cpufreq/base_frequency", f"{cpu['base']}\n")
        write(root, f"{base}/cpufreq/cpuinfo_max_freq", f"{cpu['max']}\n")
        write(root, f"{base}/cpufreq/cpuinfo_min_freq", "400000\n")


def machine_tree(name, shape, machines):
    root = os.path.join(HERE, name)
    shutil.rmtree(root, ignore_errors=True)
    m = machines[shape["id"]]
    dmi = {
        "bios_vendor": m["bios"]["Vendor"], "bios_version": m["bios"]["Version"],
        "bios_date": m["bios"]["Release Date"],
        "sys_vendor": m["system"]["Manufacturer"], "product_name": m["system"]["Product Name"],
        "product_version": m["system"]["Version"], "product_sku": m["system"]["SKU Number"],
        "product_family": m["system"]["Family"],
        "board_vendor": m["baseboard"]["Manufacturer"], "board_name": m["baseboard"]["Product Name"],
        "board_version": m["baseboard"]["Version"],
        "chassis_vendor": m["chassis"]["Manufacturer"], "chassis_type": str(m["chassis"]["typeCode"]),
    }
    for attribute, value in dmi.items():
        write(root, f"/sys/class/dmi/id/{attribute}", value + "\n")
    with open(os.path.join(SMBIOS, shape["table"]), "rb") as f:
        write(root, "/sys/firmware/dmi/tables/DMI", type4(m["processors"][0]) + f.read())
    write(root, "/sys/firmware/acpi/pm_profile", f"{shape['pmProfile']}\n")
    if shape["efi"]:
        write(root, "/sys/firmware/efi/fw_platform_size", "64\n")
        write(root, "/sys/firmware/efi/efivars/SecureBoot-8be4df61-93ca-11d2-aa0d-00e098032b8c",
              bytes([6, 0, 0, 0, shape["secureBoot"]]))
    if "tpmMajor" in shape:
        write(root, "/sys/class/tpm/tpm0/tpm_version_major", f"{shape['tpmMajor']}\n")
    for supply, attributes in shape["supplies"].items():
        for attribute, value in attributes.items():
            write(root, f"/sys/class/power_supply/{supply}/{attribute}", f"{value}\n")
    write(root, "/proc/cpuinfo", cpuinfo(m["processors"][0], shape["cpu"]))
    cpu_sysfs(root, shape["cpu"])
    write(root, "/proc/meminfo", f"MemTotal:       {shape['memTotalKb']} kB\nMemFree:         1048576 kB\n")
    write(root, "/proc/sys/kernel/osrelease", shape["kernel"] + "\n")
    write(root, "/proc/sys/kernel/arch", "x86_64\n")
    write(root, "/etc/os-release", shape["os"])


def broken_tree(machines):
    """Every file the inventory reads, present but empty, cut short or full of garbage."""
    root = os.path.join(HERE, "broken")
    shutil.rmtree(root, ignore_errors=True)
    dmi = "/sys/class/dmi/id/"
    write(root, dmi + "sys_vendor", "")
    write(root, dmi + "product_name", b"\xff\xfe\x00\x01garbage\x07\n")
    write(root, dmi + "product_family", "To Be Filled By O.E.M.\n")
    write(root, dmi + "product_version", "1.0\n")
    write(root, dmi + "product_serial", b"SN\x1b[31m123\tX\n")
    write(root, dmi + "bios_vendor", "   \n")
    write(root, dmi + "bios_version", "Not Specified\n")
    write(root, dmi + "bios_date", "13/45/20x1\n")
    write(root, dmi + "board_name", "Default string\n")
    write(root, dmi + "chassis_type", "abc\n")
    write(root, dmi + "chassis_asset_tag", b"\x00\x00\x00")
    with open(os.path.join(SMBIOS, "latitude-7490.dmi"), "rb") as f:
        table = f.read()
    # The first memory device cut off inside its formatted area, after a sound array.
    write(root, "/sys/firmware/dmi/tables/DMI", table[:23 + 2 + 30])
    write(root, "/sys/firmware/efi/efivars/SecureBoot-8be4df61-93ca-11d2-aa0d-00e098032b8c", bytes([6, 0, 0]))
    write(root, "/sys/class/tpm/tpm0/tpm_version_major", "x\n")
    write(root, "/sys/class/power_supply/BAT0/type", "Battery\n")
    write(root, "/sys/class/power_supply/BAT0/status", "\n")
    write(root, "/sys/class/power_supply/BAT0/capacity", "999999999999999999999\n")
    write(root, "/sys/class/power_supply/BAT0/energy_now", "-5\n")
    write(root, "/sys/class/power_supply/BAT0/energy_full", "0\n")
    write(root, "/sys/class/power_supply/AC/type", "Mains\n")
    write(root, "/sys/class/power_supply/AC/online", "maybe\n")
    write(root, "/proc/cpuinfo", "processor\t: 0\nmodel name\t:\nflags\t\t: vmx\n\nprocessor : x\ngarbage line\n"
                                 "processor\t: 99999999999\n")
    write(root, "/sys/devices/system/cpu/online", "0-99999999\n")
    write(root, "/sys/devices/system/cpu/cpu0/topology/core_id", "-1\n")
    write(root, "/sys/devices/system/cpu/cpu0/cache/index2/level", "2\n")
    write(root, "/sys/devices/system/cpu/cpu0/cache/index2/size", "garbageK\n")
    write(root, "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", "-3000000\n")
    write(root, "/proc/meminfo", "MemTotal: lots\n")
    write(root, "/proc/sys/kernel/osrelease", "")
    write(root, "/etc/os-release", 'PRETTY_NAME="unterminated\nVERSION_ID=\n=novalue\n')


def main():
    with open(os.path.join(SMBIOS, "machines.json")) as f:
        machines = {m["id"]: m for m in json.load(f)}
    for name, shape in MACHINES.items():
        machine_tree(name, shape, machines)
    broken_tree(machines)


if __name__ == "__main__":
    main()
