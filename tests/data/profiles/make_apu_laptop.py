#!/usr/bin/env python3
"""Builds apu-laptop.json, a laptop whose only graphics is the processor's own Radeon.

System, firmware, processor and memory follow the real HP ProBook 645 G4 of ../laptop/machines.json
(D09: Ryzen 3 PRO 2300U, one 8 GB DDR4-2400 module in two slots, 32 GB maximum). Its graphics is
named as AMD's device table names that chip (Raven Ridge 15DD, "AMD Radeon(TM) Vega 6 Graphics",
see ../gpu/README.md) with 1 GB set aside by the firmware. Everything else (disk, battery, displays,
network) is taken unchanged from ../report/laptop-profile.json. Run it again after changing either.
"""
import copy
import json
import os

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "..", "report", "laptop-profile.json"), encoding="utf-8") as f:
    profile = copy.deepcopy(json.load(f))

cimv2 = profile["wmi"]["ROOT\\CIMV2"]
cimv2["Win32_BIOS"] = [{"Manufacturer": "HP", "ReleaseDate": "20190718000000.000000+000",
                        "SMBIOSBIOSVersion": "Q82 Ver. 01.23.00"}]
cimv2["Win32_BaseBoard"] = [{"Manufacturer": "HP", "Product": "8401"}]
cimv2["Win32_ComputerSystem"] = [{"Manufacturer": "HP", "Model": "HP ProBook 645 G4",
                                  "SystemFamily": "103C_5336AN HP ProBook", "SystemType": "x64-based PC",
                                  "TotalPhysicalMemory": "7444889600"}]
cimv2["Win32_Processor"] = [{"L2CacheSize": 2048, "L3CacheSize": 4096, "Manufacturer": "AuthenticAMD",
                             "MaxClockSpeed": 2000,
                             "Name": "AMD Ryzen 3 PRO 2300U w/ Radeon Vega Mobile Gfx",
                             "NumberOfCores": 4, "NumberOfLogicalProcessors": 4, "SocketDesignation": "FP5",
                             "UpgradeMethod": 6, "VirtualizationFirmwareEnabled": True}]
cimv2["Win32_PhysicalMemory"] = [{"Capacity": "8589934592", "ConfiguredClockSpeed": 2400,
                                  "ConfiguredVoltage": 1200, "DataWidth": 64,
                                  "DeviceLocator": "Bottom-Slot 2(right)", "FormFactor": 12,
                                  "Manufacturer": "Samsung", "SMBIOSMemoryType": 26, "Speed": 2400,
                                  "TotalWidth": 64}]
cimv2["Win32_PhysicalMemoryArray"] = [{"MaxCapacityEx": "33554432", "MemoryDevices": 2}]
video = cimv2["Win32_VideoController"][0]
video.update({"Name": "AMD Radeon(TM) Vega 6 Graphics", "AdapterRAM": 1073741824,
              "DriverVersion": "27.20.21034.37", "DriverDate": "20210831000000.000000-000",
              "VideoProcessor": "AMD Radeon Graphics Processor (0x15DD)",
              "AdapterCompatibility": "Advanced Micro Devices, Inc.", "CurrentRefreshRate": 60})
profile["memoryStatus"]["totalPhys"] = 7444889600
profile["graphicsAdapters"][0] = {"description": "AMD Radeon(TM) Vega 6 Graphics",
                                  "dedicatedVideoMemory": 1073741824, "flags": 0}

with open(os.path.join(here, "apu-laptop.json"), "w", encoding="utf-8") as f:
    json.dump(profile, f, ensure_ascii=False, indent=1, sort_keys=True)
    f.write("\n")
