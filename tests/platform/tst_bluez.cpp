#include "platform/linux/bluez.h"
#include "requiredtool.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <map>
#include <thread>
#include <variant>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

using Property = std::variant<std::string, bool, std::uint32_t>;
using Interfaces = std::map<std::string, std::map<std::string, Property>>;

void appendVariant(DBusMessageIter *dict, const std::string &key, const Property &value)
{
    DBusMessageIter entry, variant;
    dbus_message_iter_open_container(dict, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    const char *name = key.c_str();
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &name);
    if (const auto *text = std::get_if<std::string>(&value)) {
        const bool isPath = key == "Adapter";
        dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, isPath ? "o" : "s", &variant);
        const char *chars = text->c_str();
        dbus_message_iter_append_basic(&variant, isPath ? DBUS_TYPE_OBJECT_PATH : DBUS_TYPE_STRING, &chars);
    } else if (const auto *flag = std::get_if<bool>(&value)) {
        dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "b", &variant);
        const dbus_bool_t b = *flag;
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &b);
    } else {
        dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "u", &variant);
        const dbus_uint32_t u = std::get<std::uint32_t>(value);
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_UINT32, &u);
    }
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(dict, &entry);
}

// Fills a GetManagedObjects reply (a{oa{sa{sv}}}).
void appendObjects(DBusMessage *message, const std::map<std::string, Interfaces> &objects)
{
    DBusMessageIter top, paths;
    dbus_message_iter_init_append(message, &top);
    dbus_message_iter_open_container(&top, DBUS_TYPE_ARRAY, "{oa{sa{sv}}}", &paths);
    for (const auto &[path, interfaces] : objects) {
        DBusMessageIter pathEntry, interfaceDict;
        dbus_message_iter_open_container(&paths, DBUS_TYPE_DICT_ENTRY, nullptr, &pathEntry);
        const char *p = path.c_str();
        dbus_message_iter_append_basic(&pathEntry, DBUS_TYPE_OBJECT_PATH, &p);
        dbus_message_iter_open_container(&pathEntry, DBUS_TYPE_ARRAY, "{sa{sv}}", &interfaceDict);
        for (const auto &[interface, properties] : interfaces) {
            DBusMessageIter interfaceEntry, propertyDict;
            dbus_message_iter_open_container(&interfaceDict, DBUS_TYPE_DICT_ENTRY, nullptr, &interfaceEntry);
            const char *i = interface.c_str();
            dbus_message_iter_append_basic(&interfaceEntry, DBUS_TYPE_STRING, &i);
            dbus_message_iter_open_container(&interfaceEntry, DBUS_TYPE_ARRAY, "{sv}", &propertyDict);
            for (const auto &[key, value] : properties)
                appendVariant(&propertyDict, key, value);
            dbus_message_iter_close_container(&interfaceEntry, &propertyDict);
            dbus_message_iter_close_container(&interfaceDict, &interfaceEntry);
        }
        dbus_message_iter_close_container(&pathEntry, &interfaceDict);
        dbus_message_iter_close_container(&paths, &pathEntry);
    }
    dbus_message_iter_close_container(&top, &paths);
}

// A laptop radio with a paired headset, a connected mouse, a trusted keyboard, a phone only seen
// nearby and a device of a second radio.
std::map<std::string, Interfaces> laptopObjects()
{
    auto device = [](const char *adapter, const char *name, bool paired, bool connected, bool trusted) {
        return Interfaces{{"org.bluez.Device1",
                           {{"Adapter", std::string(adapter)},
                            {"Alias", std::string(name)},
                            {"Paired", paired},
                            {"Connected", connected},
                            {"Trusted", trusted}}}};
    };
    const char *hci0 = "/org/bluez/hci0";
    return {
        {"/org/bluez", {{"org.bluez.AgentManager1", {}}}},
        // An alias of an unexpected type is ignored, not misread.
        {hci0,
         {{"org.bluez.Adapter1",
           {{"Address", std::string("34:F3:9A:11:22:37")},
            {"Name", std::string("latitude")},
            {"Alias", std::uint32_t(7)}}}}},
        {"/org/bluez/hci0/dev_14_3F_A6_00_11_22", device(hci0, "WH-1000XM4", true, true, true)},
        {"/org/bluez/hci0/dev_5C_E9_1E_33_44_55", device(hci0, "Galaxy A52", false, false, false)},
        {"/org/bluez/hci0/dev_AA_BB_CC_DD_EE_FF", device(hci0, "Keyboard K380", false, false, true)},
        {"/org/bluez/hci0/dev_D4_8A_FC_66_77_88", device(hci0, "MX Master 3", false, true, false)},
        {"/org/bluez/hci1/dev_00_1A_7D_DA_71_13",
         device("/org/bluez/hci1", "Other radio", true, false, true)},
    };
}

struct DBusMessageUnref {
    void operator()(DBusMessage *m) const { dbus_message_unref(m); }
};
using Message = std::unique_ptr<DBusMessage, DBusMessageUnref>;

// A private bus with an optional stand-in for BlueZ that answers, or never answers.
class TestBus {
public:
    enum class Service { None, Answering, Silent };

    explicit TestBus(Service service)
    {
        daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(5000))
            return;
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed().toStdString();
        if (service != Service::None)
            serve(service);
    }
    ~TestBus()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    const std::string &address() const { return address_; }
    bool serving() const { return serving_; }

private:
    void serve(Service service)
    {
        std::atomic<bool> registered{false};
        thread_ = std::thread([this, service, &registered] {
            DBusError error;
            dbus_error_init(&error);
            DBusConnection *connection = dbus_connection_open_private(address_.c_str(), &error);
            if (connection && dbus_bus_register(connection, &error) &&
                dbus_bus_request_name(connection, "org.bluez", 0, &error) ==
                    DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER)
                serving_ = true;
            dbus_error_free(&error);
            registered = true;
            while (serving_ && !stop_) {
                dbus_connection_read_write(connection, 50);
                while (DBusMessage *call = dbus_connection_pop_message(connection)) {
                    if (service == Service::Answering &&
                        dbus_message_is_method_call(call, "org.freedesktop.DBus.ObjectManager",
                                                    "GetManagedObjects")) {
                        Message reply(dbus_message_new_method_return(call));
                        appendObjects(reply.get(), laptopObjects());
                        dbus_connection_send(connection, reply.get(), nullptr);
                    }
                    dbus_message_unref(call);
                }
            }
            if (connection) {
                dbus_connection_close(connection);
                dbus_connection_unref(connection);
            }
        });
        while (!registered)
            std::this_thread::yield();
    }

    QProcess daemon_;
    std::string address_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> serving_{false};
};

} // namespace

class TestBluez : public QObject {
    Q_OBJECT

private slots:
    // Through a private bus, as a scan asks.
    void managedObjects()
    {
        KELVARO_REQUIRE_TOOL("dbus-daemon");
        TestBus bus(TestBus::Service::Answering);
        QVERIFY(bus.serving());
        const auto objects = queryBluez(bus.address(), 5000);
        QVERIFY(objects);
        QCOMPARE(objects->adapters.size(), std::size_t(1));
        QCOMPARE(objects->adapters.front().name, std::string("latitude")); // the malformed alias is skipped
        QCOMPARE(objects->devices.size(), std::size_t(5));

        Bluetooth bluetooth;
        addBluezObjects("/org/bluez/hci0", *objects, bluetooth);
        QVERIFY(bluetooth.radio);
        QCOMPARE(bluetooth.radio->address, (std::array<std::uint8_t, 6>{0x34, 0xF3, 0x9A, 0x11, 0x22, 0x37}));
        std::vector<std::string> listed;
        for (const auto &device : bluetooth.devices)
            listed.push_back(device.name + (device.connected ? " (connected)" : ""));
        // The phone was only seen nearby; the other radio's device is not this radio's.
        QCOMPARE(listed, (std::vector<std::string>{"WH-1000XM4 (connected)", "Keyboard K380",
                                                   "MX Master 3 (connected)"}));
    }

    void malformedReplies()
    {
        QVERIFY(!parseManagedObjects(nullptr));
        Message wrongShape(dbus_message_new(DBUS_MESSAGE_TYPE_METHOD_RETURN));
        const char *text = "hello";
        dbus_message_append_args(wrongShape.get(), DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
        QVERIFY(!parseManagedObjects(wrongShape.get()));
        Message emptyReply(dbus_message_new(DBUS_MESSAGE_TYPE_METHOD_RETURN));
        appendObjects(emptyReply.get(), {});
        const auto empty = parseManagedObjects(emptyReply.get());
        QVERIFY(empty && empty->adapters.empty() && empty->devices.empty());

        QVERIFY(!parseBluetoothAddress("34:F3:9A:11:22"));
        QVERIFY(!parseBluetoothAddress("34-F3-9A-11-22-37"));
        QVERIFY(!parseBluetoothAddress("34:F3:9A:11:22:3G"));
    }

    void noBusNoBlueZ()
    {
        QVERIFY(!queryBluez("unix:path=/nonexistent/kelvaro-test-bus", 1000));
        KELVARO_REQUIRE_TOOL("dbus-daemon");
        TestBus bus(TestBus::Service::None);
        QVERIFY(!bus.address().empty());
        // BlueZ is not started on demand and its absence is an immediate answer.
        QVERIFY(!queryBluez(bus.address(), 5000));
    }

    void silentBlueZDoesNotHoldTheScan()
    {
        KELVARO_REQUIRE_TOOL("dbus-daemon");
        TestBus bus(TestBus::Service::Silent);
        QVERIFY(bus.serving());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!queryBluez(bus.address(), 300));
        // Generous: only a wait without a limit would exceed it.
        QVERIFY(clock.elapsed() < 20000);
    }
};

KELVARO_TEST(TestBluez)
#include "tst_bluez.moc"
