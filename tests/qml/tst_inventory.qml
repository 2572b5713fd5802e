import QtQuick 2.15
import QtTest 1.15
import "../../qml/Kelvaro/js/inventory.js" as Inventory

TestCase {
    name: "Inventory"

    // The rows a card would show: hidden ones (no value) left out.
    function shown(rows) {
        return rows.filter(function(r) { return r.value !== undefined && r.value !== null && r.value !== "" })
    }
    function find(rows, label) {
        var hits = rows.filter(function(r) { return r.label === label })
        return hits.length > 0 ? hits[0] : null
    }

    function test_diskHealth() {
        compare(Inventory.diskHealth({ health: "Tốt", healthPercent: 98 }), { text: "Tốt · 98%", level: "good" })
        compare(Inventory.diskHealth({ health: "Lỗi", healthPercent: -1 }).text, "Lỗi")
        compare(Inventory.diskHealth({ health: "Cảnh báo", healthPercent: 0 }).text, "Cảnh báo · 0%")
        compare(Inventory.diskHealth({}), { text: "Không rõ", level: "secondary" })
    }

    function test_memoryRows() {
        var rows = Inventory.ramSummaryRows({ total: "16 GB", slots: 0, usedSlots: 0, channel: "Single Channel" })
        compare(find(shown(rows), "Khe đang dùng").value, "0")
        compare(find(shown(rows), "Số khe"), null)
        compare(find(rows, "Kênh").level, "warn")
        compare(Inventory.channelLevel("Quad Channel"), "good")
        compare(Inventory.moduleTitle({ slot: "DIMM A" }, 0), "Khe DIMM A")
        compare(Inventory.moduleTitle({}, 1), "Khe #2")
        compare(find(Inventory.moduleRows({ ecc: false }), "ECC").value, "Không")
        compare(find(shown(Inventory.moduleRows({})), "ECC"), null)
        // The two ceilings name their source; an unknown one stays hidden.
        compare(find(Inventory.ramUpgradeRows({ maxCapacity: "32.0 GB" }), "Hỗ trợ tối đa").value,
                "32.0 GB (theo firmware)")
        compare(find(shown(Inventory.ramUpgradeRows({})), "Hỗ trợ tối đa"), null)
        compare(find(Inventory.boardRows({ maxRam: "16 GB" }), "RAM tối đa").value, "16 GB (theo dòng máy)")
        compare(find(shown(Inventory.boardRows({})), "RAM tối đa"), null)
    }

    function test_wearGrades() {
        compare(Inventory.wearGrade(9.9).text, "Xuất sắc")
        compare(Inventory.wearGrade(10.0).text, "Tốt")
        compare(Inventory.wearGrade(29.9).level, "info")
        compare(Inventory.wearGrade(49.9).text, "Trung bình")
        compare(Inventory.wearGrade(50.0).text, "Kém")
        compare(Inventory.wearGrade(undefined).text, "")
    }

    function test_batteryCapacities() {
        var rows = Inventory.batteryDetailRows({ designCapacity: "60000 mWh", designCapacityMah: "5000 mAh",
                                                 fullCapacity: "51000 mWh" })
        compare(find(rows, "Design Capacity").value, "60000 mWh · 5000 mAh")
        compare(find(rows, "Full Charge Capacity").value, "51000 mWh")
        compare(find(Inventory.batteryStateRows({ status: "Đang sạc", charging: true, acConnected: true }),
                     "Trạng thái").level, "good")
    }

    function test_virtualWifiIsNoCard() {
        var network = [
            { kind: "Ethernet", name: "Ethernet", description: "Intel(R) Ethernet Connection (7) I219-V",
              connected: true, maxSpeed: "1 Gbps", virtual: false },
            { kind: "WiFi", name: "Local Area Connection* 2", description: "Microsoft Wi-Fi Direct Virtual Adapter",
              connected: false, virtual: true }
        ]
        var wifi = Inventory.wifiSummaryRows(network)
        compare(wifi.map(function(r) { return [r.value, r.level] }), [["Không phát hiện card Wi-Fi", "bad"]])
        compare(Inventory.adapterTitle(network[1]), "Local Area Connection* 2  ·  Wi-Fi  ·  Ảo")
        var lan = Inventory.lanSummaryRows(network)
        compare(find(lan, "Trạng thái").value, "Đã cắm cáp · đang kết nối")
        compare(find(lan, "Tốc độ tối đa").value, "1 Gbps")
        compare(Inventory.lanSummaryRows([])[0].value, "Máy không có cổng LAN (Ethernet)")
    }

    function test_connectedWifi() {
        var wifi = { kind: "WiFi", name: "Wi-Fi", connected: true, virtual: false, standard: "Wi-Fi 5 (802.11ac)",
                     ssid: "home", signal: 70, band: "5 GHz", linkSpeed: "866 Mbps" }
        var summary = Inventory.wifiSummaryRows([wifi])
        compare(find(summary, "Chuẩn tối đa").value, "Wi-Fi 5 (802.11ac)")
        compare(find(summary, "Đang kết nối").value, "home")
        compare(find(summary, "Kết nối"), null)
        var rows = Inventory.adapterRows(wifi)
        compare(find(rows, "Cường độ sóng").value, "70%  (Mạnh)")
        compare(Inventory.signal(69).text, "69%  (Trung bình)")
        compare(Inventory.signal(40).level, "warn")
        compare(Inventory.signal(39).text, "39%  (Yếu)")
        // A disconnected card shows no link details.
        wifi.connected = false
        compare(find(Inventory.adapterRows(wifi), "Mạng (SSID)"), null)
    }

    function test_laptopBlock() {
        compare(Inventory.findingLevel("unknown"), "info")
        var soldered = find(Inventory.boardRows({ cpuSoldered: true, ramSlots: 0 }), "CPU")
        compare(soldered.level, "warn")
        compare(find(shown(Inventory.boardRows({ ramSlots: 0 })), "Số khe RAM"), null)
        compare(find(shown(Inventory.boardRows({})), "CPU"), null)
        compare(shown(Inventory.cpuUpgradeRows({})).length, 0)
        compare(Inventory.cpuUpgradeRows({ upgradable: false })[1].level, "bad")
        compare(Inventory.bluetoothTitle({ present: false, name: "x" }), "Không có Bluetooth")
    }
}
