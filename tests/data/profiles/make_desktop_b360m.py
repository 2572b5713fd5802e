#!/usr/bin/env python3
"""Builds desktop-b360m.json, a desktop with a graphics card and two monitors.

System, firmware, processor and memory follow the real Gigabyte B360M-D2V (D06 in
../smbios/machines.json: Core i5-8500, two 16 GB DDR4-2666 DIMMs in four slots, 64 GB maximum,
chassis type 3). The monitors are the real Dell
D3218HN and Samsung S24D300 of ../edid; the first disk is the real WD10EZEX hard disk of ../smart.
The graphics card is named as the PCI ID list and the NVIDIA driver name a GeForce GTX 1060 6GB;
its memory, driver version and date are typical values, not a recording. Windows' WMI caps
AdapterRAM at 4 GB, so the card's real size comes from DXGI only. There is no battery, no Wi-Fi
card (only Windows' virtual Wi-Fi Direct adapter) and no Bluetooth radio. The network adapters
and the NVMe disk are taken from latitude-7490.json. Run it again after changing either.
"""
import base64
import copy
import json
import os

here = os.path.dirname(os.path.abspath(__file__))
data = os.path.join(here, "..")
with open(os.path.join(here, "latitude-7490.json"), encoding="utf-8") as f:
    profile = copy.deepcopy(json.load(f))


def read_b64(*parts):
    with open(os.path.join(data, *parts), "rb") as f:
        return base64.b64encode(f.read()).decode("ascii")


def ascii_codes(text, length):
    codes = [ord(c) for c in text][:length]
    return codes + [0] * (length - len(codes))


cimv2 = profile["wmi"]["ROOT\\CIMV2"]
cimv2["Win32_ComputerSystem"] = [{"Manufacturer": "Gigabyte Technology Co., Ltd.", "Model": "B360M-D2V",
                                  "SystemFamily": "Default string", "SystemType": "x64-based PC",
                                  "TotalPhysicalMemory": "34200334336"}]
cimv2["Win32_BIOS"] = [{"SMBIOSBIOSVersion": "F4", "ReleaseDate": "20180614000000.000000+000",
                        "SerialNumber": "Default string", "Manufacturer": "American Megatrends Inc."}]
cimv2["Win32_BaseBoard"] = [{"Product": "B360M D2V", "Manufacturer": "Gigabyte Technology Co., Ltd.",
                             "SerialNumber": "Default string"}]
cimv2["Win32_SystemEnclosure"] = [{"ChassisTypes": [3], "SMBIOSAssetTag": "Default string"}]
cimv2["Win32_Processor"] = [{"Name": "Intel(R) Core(TM) i5-8500 CPU @ 3.00GHz", "Manufacturer": "GenuineIntel",
                             "SocketDesignation": "U3E1", "NumberOfCores": 6, "NumberOfLogicalProcessors": 6,
                             "MaxClockSpeed": 3000, "L2CacheSize": 1536, "L3CacheSize": 9216,
                             "ProcessorId": "BFEBFBFF000906EA", "VirtualizationFirmwareEnabled": False,
                             "UpgradeMethod": 1}]
dimm = {"Capacity": "17179869184", "Speed": 2666, "ConfiguredClockSpeed": 2666, "Manufacturer": "029E",
        "PartNumber": "CMV16GX4M1A2666C18  ", "SerialNumber": "00000000", "SMBIOSMemoryType": 26,
        "FormFactor": 8, "ConfiguredVoltage": 1200, "DataWidth": 64, "TotalWidth": 64}
cimv2["Win32_PhysicalMemory"] = [dict(dimm, DeviceLocator="ChannelA-DIMM0"),
                                 dict(dimm, DeviceLocator="ChannelB-DIMM0")]
cimv2["Win32_PhysicalMemoryArray"] = [{"MemoryDevices": 4, "MaxCapacityEx": "67108864"}]
cimv2["Win32_DiskDrive"][0] = {"Model": "WDC WD10EZEX-08WN4A0", "Size": "1000202273280", "InterfaceType": "IDE",
                               "MediaType": "Fixed hard disk media", "FirmwareRevision": "01.01A01",
                               "Partitions": 2, "Index": 0}
cimv2["Win32_VideoController"] = [{"Name": "NVIDIA GeForce GTX 1060 6GB", "AdapterRAM": 4293918720,
                                   "DriverVersion": "31.0.15.3179", "DriverDate": "20230414000000.000000-000",
                                   "VideoProcessor": "NVIDIA GeForce GTX 1060 6GB", "AdapterCompatibility": "NVIDIA",
                                   "CurrentHorizontalResolution": 1920, "CurrentVerticalResolution": 1080,
                                   "CurrentRefreshRate": 60}]
del cimv2["Win32_Battery"]

storage = profile["wmi"]["ROOT\\Microsoft\\Windows\\Storage"]
storage["MSFT_PhysicalDisk"][0] = {"DeviceId": "0", "MediaType": 3, "BusType": 11, "HealthStatus": 0,
                                   "SpindleSpeed": 7200}
profile["drives"]["0"] = {"identify": read_b64("smart", "WDC_WD10EZEX_identify.bin"),
                          "smartData": read_b64("smart", "WDC_WD10EZEX_smart.bin")}

wmi = profile["wmi"]["ROOT\\WMI"]
for name in ("BatteryStatus", "BatteryStaticData", "BatteryFullChargedCapacity", "BatteryCycleCount"):
    del wmi[name]
dell = next(m for m in wmi["WmiMonitorID"] if "DEL200B" in m["InstanceName"])
samsung_id = "DISPLAY\\SAM0B44\\5&2b8bd7b&0&UID4357_0"
wmi["WmiMonitorID"] = [dell, {"InstanceName": samsung_id, "ManufacturerName": ascii_codes("SAM", 16),
                              "ProductCodeID": ascii_codes("0B44", 16), "UserFriendlyName": ascii_codes("S24D300", 13),
                              "SerialNumberID": ascii_codes("H4ZK900000", 16), "YearOfManufacture": 2018,
                              "WeekOfManufacture": 14, "Active": True}]
wmi["WmiMonitorBasicDisplayParams"] = [
    next(m for m in wmi["WmiMonitorBasicDisplayParams"] if "DEL200B" in m["InstanceName"]),
    {"InstanceName": samsung_id, "MaxHorizontalImageSize": 52, "MaxVerticalImageSize": 29, "Active": True}]

# A desktop on mains power with no system battery (flag 128), life time unknown.
profile["powerStatus"] = {"acLineStatus": 1, "batteryFlag": 128, "batteryLifeTime": 4294967295}
profile["secureBoot"] = 0
profile["graphicsAdapters"] = [
    {"description": "NVIDIA GeForce GTX 1060 6GB", "dedicatedVideoMemory": 6442450944, "flags": 0},
    {"description": "Microsoft Basic Render Driver", "dedicatedVideoMemory": 0, "flags": 2}]
modes = [{"width": 1920, "height": 1080, "frequency": 60, "bitsPerPixel": 32},
         {"width": 1920, "height": 1080, "frequency": 50, "bitsPerPixel": 32},
         {"width": 1280, "height": 720, "frequency": 60, "bitsPerPixel": 32}]
current = {"width": 1920, "height": 1080, "frequency": 60, "bitsPerPixel": 32}
profile["displayDevices"] = [
    {"deviceName": "\\\\.\\DISPLAY1", "description": "NVIDIA GeForce GTX 1060 6GB", "stateFlags": 134217733,
     "current": current, "modes": modes},
    {"deviceName": "\\\\.\\DISPLAY2", "description": "NVIDIA GeForce GTX 1060 6GB", "stateFlags": 134217729,
     "current": current, "modes": modes}]

# The wired port is plugged in; the only Wi-Fi interface is Windows' virtual Wi-Fi Direct one.
adapters = [a for a in profile["networkAdapters"] if a["friendlyName"] not in ("Wi-Fi", "Bluetooth Network Connection")]
wired = adapters[0]
wired.update({"description": "Intel(R) Ethernet Connection (7) I219-V", "operStatus": 1,
              "transmitLinkSpeed": "1000000000", "receiveLinkSpeed": "1000000000",
              "unicast": ["fe80::1c2d:3e4f:5a6b:7c8d", "192.168.1.23"], "gateways": ["192.168.1.1"],
              "dnsServers": ["192.168.1.1"]})
profile["networkAdapters"] = adapters
profile["wlanInterfaces"] = []
del profile["bluetooth"]

with open(os.path.join(here, "desktop-b360m.json"), "w", encoding="utf-8") as f:
    json.dump(profile, f, ensure_ascii=False, indent=1)
    f.write("\n")
