#!/usr/bin/env python3
"""Builds latitude-7490.json, one whole laptop as Windows would answer for it.

System, processor and memory rows follow the real Latitude 7490 of ../laptop/machines.json (D01,
SMBIOS 3.1: i5-8350U, two 8 GB DDR4-2400 SODIMMs, 32 GB maximum); disks, battery, displays and
network come from the recorded pieces in this folder, ../hardware and ../network, trimmed to what
that machine has (no discrete graphics, internal disks only). Run it again after changing a piece.
"""
import json
import os

here = os.path.dirname(os.path.abspath(__file__))


def load(*parts):
    with open(os.path.join(here, *parts), encoding="utf-8") as f:
        return json.load(f)


storage = load("storage-laptop.json")
pieces = load("..", "hardware", "laptop-hybrid-profile.json")
network = load("..", "network", "profiles", "latitude-7490.json")

module = {
    "Capacity": "8589934592", "Speed": 2400, "ConfiguredClockSpeed": 2400,
    "Manufacturer": "802C0000802C", "PartNumber": "8ATF1G64HZ-2G3H1    ", "SerialNumber": "00000000",
    "SMBIOSMemoryType": 26, "FormFactor": 12, "ConfiguredVoltage": 1200, "DataWidth": 64, "TotalWidth": 64,
}
cimv2 = {
    "Win32_ComputerSystem": [{"Manufacturer": "Dell Inc.", "Model": "Latitude 7490", "SystemFamily": "Latitude",
                              "SystemType": "x64-based PC", "TotalPhysicalMemory": "17005834240"}],
    "Win32_BIOS": [{"SMBIOSBIOSVersion": "1.24.1", "ReleaseDate": "20220124000000.000000+000",
                    "SerialNumber": "5CG0000000", "Manufacturer": "Dell Inc."}],
    "Win32_BaseBoard": [{"Product": "0KP0FT", "Manufacturer": "Dell Inc.", "SerialNumber": "/5CG0000000/CNCMK0000000/"}],
    "Win32_SystemEnclosure": [{"ChassisTypes": [10], "SMBIOSAssetTag": ""}],
    "Win32_OperatingSystem": [{"Caption": "Microsoft Windows 11 Pro", "Version": "10.0.22631", "BuildNumber": "22631",
                               "OSArchitecture": "64-bit", "InstallDate": "20240315093012.000000+420",
                               "RegisteredUser": "user"}],
    "Win32_Processor": [{"Name": "Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz", "Manufacturer": "GenuineIntel",
                         "SocketDesignation": "U3E1", "NumberOfCores": 4, "NumberOfLogicalProcessors": 8,
                         "MaxClockSpeed": 1896, "L2CacheSize": 1024, "L3CacheSize": 6144,
                         "ProcessorId": "BFEBFBFF000806EA", "VirtualizationFirmwareEnabled": True, "UpgradeMethod": 1}],
    "Win32_PhysicalMemory": [dict(module, DeviceLocator="DIMM A"), dict(module, DeviceLocator="DIMM B")],
    "Win32_PhysicalMemoryArray": [{"MemoryDevices": 2, "MaxCapacityEx": 33554432}],
    "Win32_DiskDrive": storage["wmi"]["ROOT\\CIMV2"]["Win32_DiskDrive"][:2],
    "Win32_VideoController": [r for r in pieces["wmi"]["ROOT\\CIMV2"]["Win32_VideoController"] if "Intel" in r["Name"]],
    "Win32_Battery": pieces["wmi"]["ROOT\\CIMV2"]["Win32_Battery"],
}
cimv2["Win32_VideoController"][0]["CurrentRefreshRate"] = 60
storage_ns = {cls: [r for r in rows if r.get("DeviceId") in ("0", "1")]
              for cls, rows in storage["wmi"]["ROOT\\Microsoft\\Windows\\Storage"].items()}
displays = pieces["displayDevices"]
for mode in [displays[0]["current"]] + displays[0]["modes"]:
    if mode["frequency"] == 144:
        mode["frequency"] = 60
displays[0]["modes"] = [dict(t) for t in {tuple(sorted(m.items())) for m in displays[0]["modes"]}]
displays[0]["modes"].sort(key=lambda m: (m["width"], m["height"], m["frequency"]))

profile = {
    "kelvaroProfile": 1,
    "wmi": {
        "ROOT\\CIMV2": cimv2,
        "ROOT\\CIMV2\\Security\\MicrosoftTpm": {"Win32_Tpm": [{"SpecVersion": "2.0, 0, 1.38", "IsEnabled_InitialValue": True}]},
        "ROOT\\Microsoft\\Windows\\Storage": storage_ns,
        "ROOT\\WMI": pieces["wmi"]["ROOT\\WMI"],
    },
    "powerStatus": pieces["powerStatus"],
    "firmwareType": 2,
    "secureBoot": 1,
    "cpuid": {"80000000": [2147483656, 0, 0, 0], "1": [526058, 1050624, 2147154879, 3219913727],
              "7.0": [0, 43806655, 0, 2617255936]},
    "graphicsAdapters": [a for a in pieces["graphicsAdapters"] if "NVIDIA" not in a["description"]],
    "displayDevices": displays,
    "networkAdapters": network["networkAdapters"],
    "wlanInterfaces": network["wlanInterfaces"],
    "bluetooth": network["bluetooth"],
    "drives": {k: v for k, v in storage["drives"].items() if k in ("0", "1")},
}
with open(os.path.join(here, "latitude-7490.json"), "w", encoding="utf-8") as f:
    json.dump(profile, f, ensure_ascii=False, indent=1)
    f.write("\n")
